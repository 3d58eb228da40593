// NetworkSettings.h: the stored server-extension ("quornet") and FTP ("ftpnet")
// configurations: the defaults written on the first start, and the saved
// password, which is kept only while "savePass" is on.
#pragma once

#include "shell/ISettingsStore.h"

#include <string>

namespace quor {

inline constexpr std::string_view kQuornetKey = "quornet";
inline constexpr std::string_view kFtpnetKey = "ftpnet";
// Host name of the default configurations until the user enters a real one.
inline constexpr std::string_view kPlaceholderHost = "server.example.com";

// Writes the default server-extension configuration when "quornet" has no
// "numConfTot", and the default FTP configuration when "ftpnet" has none.
// Returns how many of the two were written.
int WriteDefaultNetworkConfigurations(ISettingsStore& store);

// Key of configuration n: "ftpnet\\" + n.
std::string FtpConfigurationKey(int n);
std::string QuornetConfigurationKey(int n);

// The stored password of FTP configuration n; empty unless "savePass" is "1".
std::string ReadFtpPassword(const ISettingsStore& store, int n);

// Stores "savePass" and, while it is on, the password; turning it off removes a
// stored password so that it does not stay on disk.
void WriteFtpPassword(ISettingsStore& store, int n, bool savePass, std::string_view password);

} // namespace quor
