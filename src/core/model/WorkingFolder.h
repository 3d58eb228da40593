// WorkingFolder.h: the private temporary folder of one document, under the
// system temporary folder, named "<8 hex program id>_<8 hex document id>".
// Created on first use, emptied of files by ClearFiles, removed with everything
// in it when the WorkingFolder is destroyed.
#pragma once

#include <string>
#include <string_view>

namespace quor {

class WorkingFolder {
public:
    WorkingFolder();
    ~WorkingFolder();
    WorkingFolder(const WorkingFolder&) = delete;
    WorkingFolder& operator=(const WorkingFolder&) = delete;

    // Path of the folder (forward slashes, no trailing separator), creating it on
    // first use; a folder already there under that name is removed first. Empty
    // when the system temporary folder cannot be obtained or the folder cannot be
    // made: nothing is then ever written or deleted outside the temporary folder.
    const std::string& Path();
    // True once Path() has created the folder.
    bool Exists() const { return m_created; }

    // Deletes the files directly in the folder; sub-folders (the save scratch
    // folder) are left alone.
    void ClearFiles();

    // Folder + "/" + the file name of `name`; while that file exists, folder +
    // "/re" + two random 3-digit hex numbers + the previous candidate's extension.
    // Empty when there is no folder.
    std::string MakeTempFileName(std::string_view name);

private:
    std::string m_path;
    bool m_created = false;
    unsigned m_documentId;
};

} // namespace quor
