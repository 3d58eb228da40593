#include "shell/NetworkSettings.h"

namespace quor {

std::string FtpConfigurationKey(int n)
{
    return std::string(kFtpnetKey) + "\\" + std::to_string(n);
}

std::string QuornetConfigurationKey(int n)
{
    return std::string(kQuornetKey) + "\\" + std::to_string(n);
}

int WriteDefaultNetworkConfigurations(ISettingsStore& s)
{
    int written = 0;
    if (!s.Value(kQuornetKey, "numConfTot")) {
        s.WriteValue(kQuornetKey, "numConfTot", "1");
        s.WriteValue(kQuornetKey, "numSelectedConf", "0");
        const std::string k = QuornetConfigurationKey(0);
        s.WriteValue(k, "directoryGet", "c:\\temp");
        s.WriteValue(k, "quorBaseDir", "/scripts/cgi-quor/");
        s.WriteValue(k, "quorBaseDir2", "/scripts/cgi-quor/");
        s.WriteValue(k, "quorCGI", "quord.dll");
        s.WriteValue(k, "quorUpCGI", "quorupd.dll");
        s.WriteValue(k, "nomeConf", "DefaultNT");
        s.WriteValue(k, "port", "80");
        s.WriteValue(k, "server", kPlaceholderHost);
        s.WriteValue(k, "sezione", "0");
        s.WriteValue(k, "timeout", "30");
        s.WriteValue(k, "user", "default");
        ++written;
    }
    if (!s.Value(kFtpnetKey, "numConfTot")) {
        s.WriteValue(kFtpnetKey, "numConfTot", "1");
        s.WriteValue(kFtpnetKey, "numSelectedConf", "0");
        s.WriteValue(kFtpnetKey, "numSelectedConf0", "0");
        s.WriteValue(kFtpnetKey, "numSelectedConf1", "0");
        s.WriteValue(kFtpnetKey, "numSelectedConf2", "0");
        const std::string k = FtpConfigurationKey(0);
        s.WriteValue(k, "BaseDir", "/");
        s.WriteValue(k, "nomeConf", "Default");
        s.WriteValue(k, "port", "21");
        s.WriteValue(k, "savePass", "0");
        s.WriteValue(k, "server", kPlaceholderHost);
        s.WriteValue(k, "timeout", "30");
        s.WriteValue(k, "user", "anonymous");
        s.WriteValue(k, "useScript", "0");
        ++written;
    }
    return written;
}

std::string ReadFtpPassword(const ISettingsStore& store, int n)
{
    const std::string key = FtpConfigurationKey(n);
    if (!store.ReadFlagOne(key, "savePass"))
        return {};
    return store.ReadValue(key, "pass");
}

void WriteFtpPassword(ISettingsStore& store, int n, bool savePass, std::string_view password)
{
    const std::string key = FtpConfigurationKey(n);
    store.WriteValueFlag(key, "savePass", savePass);
    if (savePass)
        store.WriteValue(key, "pass", password);
    else
        store.RemoveValue(key, "pass");
}

} // namespace quor
