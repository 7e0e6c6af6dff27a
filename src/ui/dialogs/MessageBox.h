#pragma once
// The system message box, with no owner window: while it waits for its OK,
// every other window of the program keeps working.

#include <cstdint>
#include <functional>
#include <string>

constexpr std::uint32_t MB_OK = 0x0000;
constexpr int IDOK = 1;

// Shows the text (lines joined by "\r\n") under the caption and returns the
// button pressed. An empty caption gives the default caption "Error".
int ShowMessageBox(const std::string& utf8Text, const std::string& utf8Caption,
                   std::uint32_t flags = MB_OK);

// Lets a test see each box's text and caption exactly as they were passed,
// before the box shows. An empty function stops watching.
void WatchMessageBoxesForTests(std::function<void(const std::string&, const std::string&)> watch);
