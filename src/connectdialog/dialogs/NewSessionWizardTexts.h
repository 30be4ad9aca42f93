// The New Session Wizard's own texts, as the user reads them.
#pragma once

namespace NewSessionWizardTexts {

inline constexpr char kCaption[] = "New Session Wizard";
inline constexpr char kWelcome[] = "This wizard will help you create a new session for connecting to a remote server.";
inline constexpr char kQuestion[] = "What type of connection do you want to establish?";
inline constexpr char kProtocolLabel[] = "P&rotocol:";
inline constexpr char kTerminalProtocolLabel[] = "HaloKorvo protocol:";
inline constexpr char kTransferProtocolLabel[] = "HaloFyx protocol:";
inline constexpr char kDoNotUseWizard[] = "Do not use this &wizard when creating sessions";
inline constexpr char kTerminalNote[] = "The protocol chosen here is used only for terminal emulation.";
inline constexpr char kTransferNote[] = "The protocol chosen here is used only for FTP or SFTP file transfers.";
inline constexpr char kReady[] = "The wizard is now ready to create the new session for you.";
inline constexpr char kNameQuestion[] = "What name do you want to use to uniquely identify the new session?";
inline constexpr char kNameLabel[] = "Session &name:";
inline constexpr char kDescriptionLabel[] = "&Description:";

inline constexpr char kNumberedName[] = "%s (%d)";
inline constexpr char kNameEmpty[] = "The session name must be specified";
inline constexpr char kNameIllegal[] = "The session name contains an illegal character: ' %c '";
inline constexpr char kNameExists[] = "The session name '%s' already exists";

}  // namespace NewSessionWizardTexts
