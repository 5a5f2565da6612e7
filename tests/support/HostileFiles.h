#pragma once
// What a player's machine may hold where one of our files should be: a FIFO (a read that waits
// for a writer hangs), a sparse file of 4 GiB (a read of it all takes gigabytes of memory), a
// directory. Every reader must refuse them promptly, in normal memory.

#include <functional>
#include <string>

namespace kv::test {

enum class Hostile { Fifo, Huge, Directory };
inline constexpr Hostile kHostileFiles[] = {Hostile::Fifo, Hostile::Huge, Hostile::Directory};

const char* HostileName(Hostile kind);
// Makes `kind` at `path`, which must not exist yet.
void MakeHostile(Hostile kind, const std::string& path);

// Runs `read` (a reader meeting the file at `path`) and fails the test if it takes more than a
// few seconds or grows the peak memory by more than 64 MiB. A read that hangs on the FIFO is
// released by opening its other end, so the test ends either way.
void ExpectPromptAndSmall(Hostile kind, const std::string& path, const std::function<void()>& read);

}  // namespace kv::test
