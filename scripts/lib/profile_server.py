"""Runs the results server with every thread under cProfile (the FTP sessions' loop, and the
page's server, whose threads `python3 -m cProfile` would not see), and writes the merged profile
when the server ends (SIGTERM).

  profile_server.py OUT.prof results_server.py ARGS... (use --workers 1: forked workers end
  without writing)"""
import cProfile
import os
import pstats
import runpy
import sys
import threading
import time

out, script = sys.argv[1], sys.argv[2]
sys.argv = sys.argv[2:]
profiles = []
lock = threading.Lock()
thread_run = threading.Thread.run


def profiled_run(self):
    p = cProfile.Profile(time.thread_time)
    with lock:
        profiles.append(p)
    p.enable()
    try:
        thread_run(self)
    finally:
        p.disable()


threading.Thread.run = profiled_run
main = cProfile.Profile(time.thread_time)
main.enable()
try:
    # As python3 SCRIPT would: the server's modules are found beside it.
    sys.path.insert(0, os.path.dirname(os.path.abspath(script)))
    runpy.run_path(script, run_name="__main__")
except SystemExit:
    pass
finally:
    main.disable()
    stats = pstats.Stats(main)
    with lock:
        for p in profiles:
            try:
                stats.add(p)
            except TypeError:
                pass  # a thread that never ran a profiled call
    stats.dump_stats(out)
