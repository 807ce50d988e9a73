#pragma once
// A headless platform whose notifications a test can also raise itself, as the grid and the
// editors would, with arguments that no gesture produces.

#include <string>
#include <vector>
#include <zelvane/contracts/platform.hpp>
#include <zelvane/headless/headless_platform.hpp>

#include "support/test_support.hpp"

namespace zlvtest {

// Forwards everything to a headless platform and keeps the control's notifications in events.
struct TappedPlatform final : zelvane::Platform {
    explicit TappedPlatform(zelvane::headless::HeadlessPlatform& p) : inner(p) {}
    zelvane::Grid& grid() override { return inner.grid(); }
    zelvane::WindowControl& text1() override { return inner.text1(); }
    zelvane::WindowControl& cmdPicker() override { return inner.cmdPicker(); }
    zelvane::WindowControl& picture1() override { return inner.picture1(); }
    zelvane::DateTimePicker& dateTimePicker() override { return inner.dateTimePicker(); }
    zelvane::ComboBox& comboBox() override { return inner.comboBox(); }
    zelvane::HostContainer& host() override { return inner.host(); }
    void attach(zelvane::ControlEvents* e) override {
        events = e;
        inner.attach(e);
    }
    zelvane::headless::HeadlessPlatform& inner;
    zelvane::ControlEvents* events = nullptr;
};

// A control on a tapped headless platform with the shipped resources, initialised in the mode
// with the definitions (and the copy template when one is given).
struct TappedControl {
    TappedControl(const std::string& mode, const std::vector<Def>& defs,
                  const std::string& copyTemplate = "") {
        control.setMode(mode);
        if (!copyTemplate.empty()) control.setCopyTemplateXML(copyTemplate);
        control.setAttributeXML(definitionsXml(defs));
        control.Intialize();
    }
    // The notifications as the control attached them.
    zelvane::ControlEvents& events() { return *tap.events; }

    zelvane::headless::HeadlessPlatform headless{resourceDir()};
    TappedPlatform tap{headless};
    zelvane::ZlvCustomAttr control{tap};
};

}  // namespace zlvtest
