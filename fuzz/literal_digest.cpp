// Prints every fixed text of the program (snippets, window and menu tables)
// as hex, one per line. The fuzz build compiles transcoded copies of the
// sources with clang; test-fuzz.sh compares this output with the same program
// built by g++ -fexec-charset=GBK from the originals, so a transcoding slip
// cannot make the fuzzers test other bytes than the real program holds.
#include <cstdio>
#include <string_view>

#include "core/builders.h"
#include "core/option_rules.h"
#include "core/tag_options.h"
#include "snippets/catalogue.h"
#include "ui/layout.h"

namespace {

void printHex(const char* what, std::string_view text) {
  std::printf("%s ", what);
  for (const char c : text) std::printf("%02X", static_cast<unsigned char>(c));
  std::printf("\n");
}

void printText(const char* what, const char* text) {
  if (text != nullptr) printHex(what, text);
}

void printWindow(const tagwright::WindowDef& window) {
  printText("title", window.title);
  for (std::size_t i = 0; i < window.controlCount; ++i) {
    const tagwright::ControlDef& control = window.controls[i];
    printText("name", control.name);
    printText("text", control.text);
    printText("address", control.address);
    for (std::size_t k = 0; k < control.itemCount; ++k) printText("item", control.items[k]);
  }
  for (std::size_t m = 0; m < window.menuCount; ++m) {
    const tagwright::MenuDef& menu = window.menus[m];
    printText("menu", menu.text);
    for (std::size_t k = 0; k < menu.itemCount; ++k) printText("menuitem", menu.items[k].text);
  }
}

}  // namespace

int main() {
  using namespace tagwright;
  for (const Snippet& snippet : allSnippets()) {
    printHex("radio", snippet.radio);
    printHex("label", snippet.label);
    printHex("snippet", snippet.text);
  }
  printWindow(mainWindowLayout());
  printWindow(copyrightWindowLayout());

  TagOptions options;
  resetOptions(options);
  for (const FieldRule* rule = fieldRulesBegin(); rule != fieldRulesEnd(); ++rule) {
    printHex("fieldrule", fieldFragment(*rule, "\xA3\xB1"));  // full-width 1
  }
  for (const ListRule* rule = listRulesBegin(); rule != listRulesEnd(); ++rule) {
    for (std::size_t k = 0; k < rule->count; ++k) printText("listrule", rule->values[k]);
  }
  printHex("arclist", buildArclistBlock(options, ArcLayout::typelink));
  printHex("channel", buildChannelBlock(options));
  printHex("list", buildListTag("20", "15", "20"));
  CustomFieldTexts custom;
  custom.fields = {"a", "", "c", "", "e"};
  printHex("custom", buildCustomFieldBlock(custom));
  printHex("slideshow", buildSlideshowScript("280", "192", "5"));
  printText("notice", kAutoFillNotice);
  return 0;
}
