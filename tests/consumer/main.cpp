// Loads one definition through the installed library and checks the row it shows.
#include <iostream>
#include <zelvane/custom_attr.hpp>
#include <zelvane/headless/headless_platform.hpp>

int main() {
    zelvane::headless::HeadlessPlatform platform(COMPONENT_DIR);
    zelvane::ZlvCustomAttr control(platform);
    control.setMode("RETRIEVAL");
    control.setAttributeXML(
        R"(<entityTypes><caTemplates caId="A" caName="Alpha" controlType="TextBox" )"
        R"(dataType="string" defaultValue="x" mandatory="true"/></entityTypes>)");
    control.Intialize();
    auto row = platform.grid().FirstRow();
    const bool ok = platform.messages().empty() && row && row->textOrThrow("Value") == "x" &&
                    row->picture() != nullptr;
    std::cout << (ok ? "consumer ok" : "consumer FAILED") << '\n';
    return ok ? 0 : 1;
}
