// Writing a file whole, so that a failure never destroys the file it replaces.
#pragma once

#include <string>
#include <utility>
#include <vector>

// Makes `text` the contents of the file `path`: writes it to a new file in the same folder,
// puts that on the disk and only then in place of `path`. Raises "ファイル %s を作成できません"
// when the file cannot be created or replaced (a read-only file, or one that another
// program holds open, included) and "ストリームへの書き込みエラー" when a write fails; either
// way `path` is left as it was and the new file is removed.
void WriteWholeFile(const std::string& path, const std::string& text);

// Makes each text the contents of its file, as WriteWholeFile does, but writes and flushes
// every new file before the first one goes in place: an error until then leaves every file
// as it was. `replaced` counts the files already put in place (the first ones) when a move
// raises its error.
void WriteWholeFiles(const std::vector<std::pair<std::string, std::string>>& files,
                     size_t& replaced);
