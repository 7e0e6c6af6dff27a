#pragma once
// The system message box, with no owner window: while it waits for its OK,
// every other window of the program keeps working.

#include <functional>
#include <string>

// Shows the text (lines joined by "\r\n") under the caption with an OK
// button, and returns once the box is closed. An empty caption gives the
// default caption "Error".
void ShowMessageBox(const std::string& utf8Text, const std::string& utf8Caption);

// Lets a test see each box's text and caption exactly as they were passed,
// before the box shows. An empty function stops watching.
void WatchMessageBoxesForTests(std::function<void(const std::string&, const std::string&)> watch);
