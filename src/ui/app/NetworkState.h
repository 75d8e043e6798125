#pragma once

// Whether the platform reports a network connection; true when it cannot tell.
bool hasNetworkConnection();
