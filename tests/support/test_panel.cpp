#include "tests/support/test_panel.h"

#include <cstdio>

namespace drennomar::test {

TestPanel* TestPanel::current_ = nullptr;

namespace {

std::string Format(const char* fmt, auto... args) {
    char line[256];
    std::snprintf(line, sizeof line, fmt, args...);
    return line;
}

NAMED_VAR_ID FindOrCreate(TestPanel& p, const std::string& name) {
    for (size_t i = 0; i < p.names_.size(); ++i) {
        if (p.names_[i] == name) return static_cast<NAMED_VAR_ID>(i);
    }
    p.names_.push_back(name);
    p.values_.push_back(0.0);
    return static_cast<NAMED_VAR_ID>(p.names_.size() - 1);
}

void PANELAPI LogRoot(const char* service, PELEMENT_HEADER root) {
    TestPanel::Current()->calls_.push_back(
        Format("%s resource 0x%X", service, static_cast<unsigned>(root->resource_id)));
}

}  // namespace

TestPanel::TestPanel() {
    services_.element_list_query   = [](PELEMENT_HEADER r) { LogRoot("element_list_query", r); };
    services_.element_list_install = [](PELEMENT_HEADER r, RESOURCE_HANDLE h) {
        LogRoot("element_list_install", r);
        current_->calls_.back() += Format(" handle %p", h);
    };
    services_.element_list_initialize = [](PELEMENT_HEADER r) {
        LogRoot("element_list_initialize", r);
    };
    services_.element_list_update   = [](PELEMENT_HEADER r) { LogRoot("element_list_update", r); };
    services_.element_list_generate = [](PELEMENT_HEADER r, UINT32 phase) {
        LogRoot("element_list_generate", r);
        current_->calls_.back() += Format(" phase %u", phase);
    };
    services_.element_list_plot  = [](PELEMENT_HEADER r) { LogRoot("element_list_plot", r); };
    services_.element_list_erase = [](PELEMENT_HEADER r) { LogRoot("element_list_erase", r); };
    services_.element_list_kill  = [](PELEMENT_HEADER r) { LogRoot("element_list_kill", r); };
    services_.lookup_var         = [](PMODULE_VAR var) {
        var->var_value = current_->Token(var->id);
        current_->calls_.push_back(Format("lookup_var 0x%X = %.17g", var->id, var->var_value));
    };
    services_.check_named_variable = [](const char* name) {
        NAMED_VAR_ID id = FindOrCreate(*current_, name);
        current_->calls_.push_back(Format("check_named_variable %s = %d", name, id));
        return id;
    };
    services_.get_named_variable_value = [](NAMED_VAR_ID id) {
        double v = current_->values_.at(static_cast<size_t>(id));
        current_->calls_.push_back(Format("get_named_variable_value %s = %.17g",
                                          current_->names_[static_cast<size_t>(id)].c_str(), v));
        return v;
    };
    services_.set_named_variable_value = [](NAMED_VAR_ID id, FLOAT64 v) {
        current_->values_.at(static_cast<size_t>(id)) = v;
        current_->calls_.push_back(Format("set_named_variable_value %s %.17g",
                                          current_->names_[static_cast<size_t>(id)].c_str(), v));
    };
    current_           = this;
    ImportTable[0].ptr = &services_;
    gModuleState       = ModuleState{};
}

TestPanel::~TestPanel() {
    ImportTable[0].ptr = nullptr;
    current_           = nullptr;
}

double TestPanel::Token(SIM_TOKEN token) const {
    auto it = tokens_.find(token);
    return it == tokens_.end() ? 0.0 : it->second;
}

void TestPanel::SetNamed(const std::string& name, double value) {
    values_[static_cast<size_t>(FindOrCreate(*this, name))] = value;
}

double TestPanel::Named(const std::string& name) const {
    for (size_t i = 0; i < names_.size(); ++i) {
        if (names_[i] == name) return values_[i];
    }
    return 0.0;
}

}  // namespace drennomar::test
