"""A player who sends the common table by hand, with Python's ftplib: fetches records.rec from
127.0.0.1:PORT, adds the entries given (NAME_SCORE, as typed) to it ("alone": sends only them),
stores PROOFS as records.prf (unless it is "-"), then the table as records.rec, and prints the
reply to that last STOR.

  send_table.py PORT PROOFS fetch|alone ENTRY..."""
import ftplib
import io
import sys


def negate(text):
    return bytes((256 - b) % 256 for b in text.encode("cp1251"))


def main():
    port, proofs, how, entries = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4:]
    ftp = ftplib.FTP(timeout=20)
    ftp.connect("127.0.0.1", port)
    ftp.login("kvelli99", "quillon84")
    ftp.cwd("WWW")
    table = io.BytesIO()
    if how == "fetch":
        ftp.retrbinary("RETR records.rec", table.write)
    table.write(b"".join(negate(e) + b"\r\n" for e in entries))
    table.seek(0)
    if proofs != "-":
        with open(proofs, "rb") as f:
            ftp.storbinary("STOR records.prf", f)
    try:
        print(ftp.storbinary("STOR records.rec", table))
    except ftplib.Error as e:
        print(e)
    ftp.quit()


if __name__ == "__main__":
    main()
