"""The results server's processes: the FTP workers that share one listening socket (a worker that
dies is replaced), the watcher that keeps WWW a copy of the database's table, and the ending on
SIGTERM or Ctrl+C."""
import ctypes
import logging
import os
import signal
import subprocess
import threading
import time

from results_merge import PAGE, TABLE, tool_env

# A watcher that ends within this many seconds of its start counts towards WATCH_STARTS: starts in
# a row after which one that cannot run is given up rather than started again for ever.
WATCH_SETTLED_SECONDS = 60
WATCH_STARTS = 5

log = logging.getLogger("kvelli99-server")


def start_workers(count, serve):
    """count processes that run serve(); each ends when this one does, however it ends."""
    pids = []
    for _ in range(count):
        pid = os.fork()
        if pid == 0:
            try:
                ctypes.CDLL(None, use_errno=True).prctl(1, signal.SIGKILL)  # PR_SET_PDEATHSIG
                serve()
            finally:
                os._exit(0)
        pids.append(pid)
    return pids


def ending(code):
    return "killed by signal %d" % -code if code < 0 else "status %d" % code


class Watcher:
    """kvelli99-records watch: keeps WWW a copy of the database's table; ends when our end of its
    stdin closes. Downloads serve that copy, so a watcher that ends otherwise (a crash, the OOM
    killer) would leave it old for ever: a thread blocked in its wait starts it again. One that
    keeps ending soon after its start is given up after a few starts, with a log line."""

    def __init__(self, tool, database, www):
        self.args = [tool, "watch", "-", os.path.join(www, TABLE), os.path.join(www, PAGE)]
        self.env = tool_env(database)
        self.lock = threading.Lock()
        self.stopping = threading.Event()
        # Exit codes of watchers that the workers' loop reaped before the thread's wait did.
        self.reaped = {}
        self.proc = None
        self._start()
        threading.Thread(target=self._keep, daemon=True).start()

    def _start(self):
        self.started = time.monotonic()
        try:
            self.proc = subprocess.Popen(self.args, stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                         close_fds=True, env=self.env)
        except OSError as e:
            log.error("the watcher cannot be started: %s", e)
            self.proc = None

    def _keep(self):
        in_a_row = 0
        while True:
            proc, started = self.proc, self.started
            code = proc.wait() if proc else None
            in_a_row = in_a_row + 1 if time.monotonic() - started < WATCH_SETTLED_SECONDS else 1
            # A pause between starts; by its end the workers' loop has told what it reaped.
            if self.stopping.wait(1):
                return
            how = ending(self.reaped.pop(proc.pid, code)) if proc else "not started"
            if in_a_row > WATCH_STARTS:
                log.error("the watcher ended (%s), %d times in a row soon after its start; it is not "
                          "started again: downloads and the page keep the table they have until the "
                          "server is restarted", how, in_a_row)
                return
            log.error("the watcher ended (%s); starting it again", how)
            with self.lock:
                if self.stopping.is_set():
                    return
                self._start()

    def ended(self, pid, status):
        """The workers' loop reaped pid: whether it was the watcher (its thread goes on)."""
        proc = self.proc
        if not proc or proc.pid != pid:
            return False
        self.reaped[pid] = os.waitstatus_to_exitcode(status)
        return True

    def close_in_worker(self):
        """A forked worker keeps no end of the watcher's stdin, so that the watcher ends with us."""
        proc = self.proc
        if proc and proc.stdin:
            proc.stdin.close()

    def stop(self):
        self.stopping.set()
        with self.lock:
            proc = self.proc
        if proc:
            proc.stdin.close()
            try:
                proc.wait(5)
            except subprocess.TimeoutExpired:
                proc.kill()


def stop_on_sigterm():
    """SIGTERM (systemd's stop) ends the server as Ctrl+C does: through supervise's cleanup."""
    def stop(signum, frame):
        raise SystemExit(0)

    signal.signal(signal.SIGTERM, stop)


def supervise(count, make_ftp, web, watch):
    """Serves until SIGTERM or Ctrl+C: the page on a thread, FTP here (count 1) or in count worker
    processes, each a server make_ftp() makes; then ends the workers, the watcher and the page."""
    def serve():
        web.socket.close()
        if watch:
            watch.close_in_worker()
        make_ftp().serve_forever(handle_exit=True)

    workers = []
    try:
        if count == 1:
            threading.Thread(target=web.serve_forever, daemon=True).start()
            make_ftp().serve_forever(handle_exit=True)
        else:
            # The listening socket stays open here too, for the workers that replace others.
            workers = start_workers(count, serve)
            threading.Thread(target=web.serve_forever, daemon=True).start()
            # A worker that dies is replaced; the others serve meanwhile.
            while True:
                pid, status = os.wait()
                if pid in workers:
                    log.error("worker %d ended (status %d); starting another", pid, status)
                    workers.remove(pid)
                    time.sleep(1)
                    workers += start_workers(1, serve)
                elif watch:
                    watch.ended(pid, status)
    except (KeyboardInterrupt, SystemExit):
        pass
    finally:
        for pid in workers:
            try:
                os.kill(pid, signal.SIGTERM)
            except OSError:
                pass
        for pid in workers:
            try:
                os.waitpid(pid, 0)
            except OSError:
                pass
        if watch:
            watch.stop()
        web.shutdown()
