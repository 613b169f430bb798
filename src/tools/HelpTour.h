#pragma once
#include <cstdint>
#include <string>
#include <vector>

// The rules of the guided help tour that need no window: the first page's text,
// which of the main window's widgets the tour explains and in what order, and
// the event sound played between pages.
namespace qv {

// Text of the first page, which explains the records table.
extern const char* const RECORDS_PAGE_TEXT;

// One widget of the main window as the tour sees it.
struct TourWidget {
    std::string name;
    bool isTimer = false;
    std::string tag; // the help text, UTF-8
};

// True for widgets the tour passes over: timers, the panels and connectors, the two
// time-bonus labels whose text another label tells, and any widget without a text.
bool Tour_Skips(const TourWidget& w);

// Positions in `widgets` (the window's own order) of the widgets the tour explains.
std::vector<size_t> Tour_Stops(const std::vector<TourWidget>& widgets);

// Event sound code for a random value r in [0, 1): r * 6 + 1 rounded half to even, 1..7.
uint8_t Tour_Sound_Code(float r);

} // namespace qv
