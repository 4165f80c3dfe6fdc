#include "FileList.h"

namespace vinta {

TFileList::TFileList()
    : TDataTable({{"Plik", TValueType::Text}, {"Czas zapisu", TValueType::Text}, {"Folder", TValueType::Text}})
{
}

} // namespace vinta
