// A minimal panel for benchmarks: a few tokens and named variables in small
// fixed tables and no call log, so that a measured step costs what the
// module does plus the least a panel can do for it.
#pragma once

#include "panel/module_imports.h"

namespace drennomar::bench {

/// Installs its services in ImportTable while alive. One at a time.
class MinimalPanel {
  public:
    MinimalPanel();
    ~MinimalPanel();
    MinimalPanel(const MinimalPanel&)            = delete;
    MinimalPanel& operator=(const MinimalPanel&) = delete;

    void SetToken(SIM_TOKEN token, double value);
    void SetNamed(const char* name, double value);  // `name` must outlive the panel

  private:
    PanelServices services_{};
};

}  // namespace drennomar::bench
