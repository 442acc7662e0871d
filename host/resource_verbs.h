// Verbs that look into the loaded module library's resources, found the way
// the platform finds them (host/loader.h): the resource API where the panel
// runs on Windows, the library file's resource section elsewhere. They print
// the same lines on both, which is what they are for.
//
//   resource bitmap ID [LANG]    -> "bitmap ID: W x H, N colours, bottom-up|top-down,
//                                    X x Y pixels per metre"
//   resource version [ID [LANG]] -> "version ID: file A.B.C.D, product A.B.C.D,
//                                    type T, os 0x%08X"
//
// ID defaults to 1 for the version block, LANG to 0x0409 (English, US).
#pragma once

namespace drennomar::host {

class ScriptInterpreter;

/// Adds the verb `resource`.
void AddResourceVerbs(ScriptInterpreter& interpreter);

}  // namespace drennomar::host
