// The one-time upgrade of stored sessions and firewalls that ConnectDialogDllInit runs last:
// only while a loaded global configuration holds the older "Version" identifier, every session
// and every firewall passes once through its loading code (which converts older stored forms),
// then the current identifier is stored. Without a loaded configuration nothing happens.
#pragma once

void UpgradeConfiguration();
