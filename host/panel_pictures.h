// What the drive asks of a drawing side: pictures of the panel's windows at
// chosen moments and the frames of an animation. The portable core knows
// only this interface; a drawing side (Cairo, PNG, WebP) implements it, and
// without one the drive runs headless and draws nothing.
#pragma once

#include <string_view>

namespace drennomar::host {

class PanelHost;

class PanelPictures {
  public:
    virtual ~PanelPictures() = default;

    /// A picture of every window as the panel shows it now; `label` names
    /// the moment (a file-name-safe word).
    virtual void Snapshot(PanelHost& panel, std::string_view label) = 0;

    /// Called once after every frame, when every placement has updated; the
    /// drawing side keeps the frames its animation wants.
    virtual void AfterFrame(PanelHost& panel) = 0;
};

}  // namespace drennomar::host
