// Older terminal hosts kept one application-wide proxy or SOCKS server in "Global". The
// terminal host calls this at start-up to turn those settings into the firewall
// "DefaultTerminalFirewall", which sessions that used the older setting now name. Once that
// firewall exists this does nothing; while both older host names are empty nothing is written
// and the next start looks again.
#pragma once

void MigrateHKRVFirewall();
