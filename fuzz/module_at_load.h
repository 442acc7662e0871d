// Puts the module linked into a fuzz program back as a fresh load of the
// library would have it, so that every input starts alike and a saved input
// replays the same.
#pragma once

#include "host/panel_host.h"

namespace drennomar::fuzz {

/// Notes the image flags of every element of `panel`'s gauges as they are
/// now. Call once, after the module is first taken on and before anything
/// has run.
void NoteLoadFlags(const host::PanelHost& panel);

/// The module state, the navigation records, the noted image flags and a
/// fixed random sequence, as at load.
void BackToLoad();

}  // namespace drennomar::fuzz
