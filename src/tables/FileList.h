#pragma once
#include "DataTable.h"

namespace vinta {

// The electronic-copy files of the last search, one record each, in the order the search met
// them. The texts are file-name bytes as the system gives them.
class TFileList : public TDataTable {
public:
    static constexpr int kFileName = 0;  // "Plik"
    static constexpr int kWriteTime = 1; // "Czas zapisu"
    static constexpr int kFullPath = 2;  // "Folder", not shown

    TFileList();
};

} // namespace vinta
