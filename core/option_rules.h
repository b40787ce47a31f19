// How a field's text or a list's pick becomes a fragment, as tables.
// Fields and lists are keyed by the role name of their control.
#pragma once

#include <cstddef>
#include <string_view>

#include "core/tag_options.h"

namespace tagwright {

using Fragment = Text TagOptions::*;

// Rules A (plain) and B (doubled number) for the eleven parameter fields.
struct FieldRule {
  std::string_view field;  // role name of the edit box, e.g. "arcRowEdit"
  Fragment fragment;
  const char* prefix;
  const char* suffix;  // "" when none
  bool doubled;        // rule B: toInteger(T) * 2.0 through numberToText
};

// Rule C for the six drop-down lists: index -> value.
struct ListRule {
  std::string_view list;  // role name of the drop-down list
  Fragment fragment;
  const char* const* values;
  std::size_t count;
};

const FieldRule* findFieldRule(std::string_view field);
const ListRule* findListRule(std::string_view list);

// All rules, for start-up checks and tests.
const FieldRule* fieldRulesBegin();
const FieldRule* fieldRulesEnd();
const ListRule* listRulesBegin();
const ListRule* listRulesEnd();

// The fragment a field's text gives (rule A or B).
Text fieldFragment(const FieldRule& rule, const Text& typed);

// Assigns the fragment that `typed` gives to the rule's field of `options`.
void applyFieldRule(const FieldRule& rule, const Text& typed, TagOptions& options);

// Applies rule C: a matching index assigns its value; any other index
// (no selection, -1) leaves the fragment as it was.
void applyListRule(const ListRule& rule, int index, TagOptions& options);

}  // namespace tagwright
