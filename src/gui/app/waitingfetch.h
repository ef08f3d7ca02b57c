// The analyser's requests as the window makes them: on a worker thread, with the wait cursor,
// while the window goes on painting (typing waits until the answer is in).
#pragma once

#include "annotation/analyserclient.h"

namespace pelmora::gui {

// Wraps `fetch` (httpGet when empty) so that it runs on its own thread while this thread runs
// an event loop that takes no user input.
HttpFetch waitingFetch(HttpFetch fetch = {});

}  // namespace pelmora::gui
