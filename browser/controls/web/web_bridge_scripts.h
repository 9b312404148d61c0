// The scripts that give a hosted page its window.external. The page's own world gets only
// a small object with ExecuteScript and close; it hands each call to an isolated world
// through a DOM element and event (the two worlds share the document, nothing else), and
// only the isolated world holds the web channel. So a page cannot reach the channel, its
// transport or any other member of the bridge.
#pragma once

#include <QString>

namespace panorel_web {

// For the page's own world: defines window.external.
QString PageWorldScript();
// For the isolated world: the web channel's client and the forwarding of calls to the
// bridge object "external" (published under that name).
QString BridgeWorldScript();

}  // namespace panorel_web
