// A small panel for unit tests that call the module's callbacks directly:
// a token store, named panel variables and a log of every service call.
// Installing it puts its services table in the module's ImportTable and gives
// the module state its values from load.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "panel/module_imports.h"
#include "state/module_state.h"

namespace drennomar::test {

class TestPanel {
  public:
    TestPanel();
    ~TestPanel();
    TestPanel(const TestPanel&)            = delete;
    TestPanel& operator=(const TestPanel&) = delete;

    void SetToken(SIM_TOKEN token, double value) { tokens_[token] = value; }
    double Token(SIM_TOKEN token) const;
    void SetNamed(const std::string& name, double value);
    double Named(const std::string& name) const;

    /// Every service call since the last Clear, one line each, such as
    /// "lookup_var 0x1 = 5" or "set_named_variable_value ResetSw 0".
    const std::vector<std::string>& Calls() const { return calls_; }
    void ClearCalls() { calls_.clear(); }

    /// The panel installed now; services reach it through this.
    static TestPanel* Current() { return current_; }

    std::map<SIM_TOKEN, double> tokens_;
    std::vector<std::string> names_;  // identifier = index
    std::vector<double> values_;
    std::vector<std::string> calls_;
    PanelServices services_{};

  private:
    static TestPanel* current_;
};

}  // namespace drennomar::test
