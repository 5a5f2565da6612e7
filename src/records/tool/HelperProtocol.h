#pragma once
// The results server's helpers, run by the server and spoken to over their stdin and stdout.
#include <string>

namespace kv::tool {

// The results server's helper: one request a line on stdin, fields separated by tabs, so that a
// merge costs no start of a process. Replies are the command's lines, then "end STATUS[ why]".
//   merge INTO PAGE FROM...   merge each FROM into the table: the file INTO (and write PAGE), or
//                             the database's table (the watcher writes INTO and PAGE then)
//   verify INTO PAGE FROM PROOFS...
//                             the same, each FROM with the proofs file that came with it ("-"
//                             for none): new entries enter only with a proof that holds
//   publish INTO PAGE         write the database's table to INTO and PAGE (nothing for files)
// With a database, the first line is "ready", or "end 3 why" when it cannot be used.
int Serve(const std::string& conninfo);

// Keeps this front end's copy of the database's table (INTO) and its page up to date: written at
// the start and after every change that any front end commits. Reconnects by itself; ends when
// stdin closes (the server that started it has gone).
int Watch(const std::string& conninfo, const std::string& into, const std::string& page);

}  // namespace kv::tool
