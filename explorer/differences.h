#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "explorer/detail_list.h"
#include "report/report_compare.h"
#include "shell/frame_menus.h"

namespace Explorer {

// What the Differences window shows of a comparison. Its tree holds a first
// node for the two snapshots (with the notes of the comparison) and one node
// per group of differences, each with its count; the list shows the selected
// node's rows.
std::vector<std::string> DifferencesTree(const Report::Comparison& comparison);
// The list for tree node `node` (0-based, in the tree's order); an empty
// list for a node the tree does not hold.
ListContents DifferencesList(const Report::Comparison& comparison, std::size_t node);
// The node shown first: the first group that holds a difference, else the
// snapshots' node (0).
std::size_t FirstShownNode(const Report::Comparison& comparison);
// The status bar: the total or "No differences", then the counts by kind.
std::array<std::string, 4> DifferencesPanels(const Report::Comparison& comparison);
// The window's menu bar: its own File menu (Print To File writes the
// comparison's text; Close), then the frame's View, Tools, Window and Help,
// whose indexes go to the frame's hooks.
std::span<const Subs::FrameMenuSpec> DifferencesMenuBar();
inline constexpr int kDiffFilePrintToFile = 0;
inline constexpr int kDiffFileClose = 2;

// "Differences: " + the old window's caption + " -> " + the new one's.
std::string DifferencesCaption(const std::string& oldCaption, const std::string& newCaption);

}  // namespace Explorer
