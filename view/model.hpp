// The model of a position in a log: what the view shows of one algorithm
// after some events. Drawing reads it and nothing else of the log but the
// values and the algorithm's description.
#pragma once

#include "description.hpp"

namespace view {

// The array and the algorithm's variables at the position (the log read up
// to there), what the steps from a given event on did, the part in place.
struct Model : trace::Reading {
    bool compared[trace::capacity];
    bool copy_compared[trace::capacity]; // of the copy a part made, B, for a merge
    bool moved[trace::capacity];
    bool placed[trace::capacity];
    bool flagged[trace::capacity]; // equal values that changed order in those steps
    bool done;
    int line; // of the pseudocode, that the last event ran; -1 at the start and the end
    int last; // the last event read, -1 at the start
    // Where the step works: the places from lo to hi, lead the one it goes
    // on from (of a comparison or an exchange, its first place); at the start
    // and after a pass, the places its variables point at.
    int lo, hi, lead;
};

// The model after the first p events of the log, with the steps from event
// from on marked.
void model_at(const trace::Log *log, int p, int from, Model *m);

} // namespace view
