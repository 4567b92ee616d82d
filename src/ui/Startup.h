#pragma once
// Start-up of a session until the user-file loaders are in place: folders, user, lists, log.
#include <filesystem>

namespace quorl {

class Session;

void StartSession(Session& s, const std::filesystem::path& programFolder);
void LoadUserFiles(Session& s);

}  // namespace quorl
