#include "rules/catalogue.h"

namespace spindex {

namespace {
const std::vector<std::string> SevenLevels{"0", "1", "3", "5", "10", "30", "50"};
const std::vector<std::string> FiveLevels{"0", "1", "5", "10", "50"};
constexpr std::optional<int> Keep;
} // namespace

const std::vector<ControllerRecord>& controllerCatalogue() {
    static const std::vector<ControllerRecord> catalogue{
        {1,
         "Arvex Lark",
         "Arvex Lark",
         "Arvex Lark Controller",
         1,
         {0, Keep, Keep, Keep},
         false,
         SevenLevels,
         8,
         8,
         RuleGroup::Standard,
         true,
         true,
         std::nullopt},
        {2,
         "Arvex Wren",
         "Arvex Wren",
         "Arvex Wren Controller",
         1,
         {0, Keep, Keep, Keep},
         false,
         FiveLevels,
         14,
         12,
         RuleGroup::Wide,
         true,
         true,
         std::nullopt},
        {3,
         "Arvex Finch",
         "Arvex Finch",
         "Arvex Finch Controller",
         2,
         {Keep, Keep, Keep, Keep},
         false,
         FiveLevels,
         28,
         12,
         RuleGroup::Wide,
         true,
         true,
         std::nullopt},
        {4,
         "Arvex Heron",
         "&Arvex Heron",
         "Arvex Heron Controller",
         3,
         {Keep, Keep, Keep, Keep},
         false,
         SevenLevels,
         8,
         8,
         RuleGroup::Standard,
         true,
         true,
         std::nullopt},
        {5,
         "Fibre Channel Vault/12FC",
         "&Fibre Channel Vault/12FC",
         "Fibre Channel Controller",
         3,
         {Keep, Keep, Keep, Keep},
         false,
         {"0", "1", "3", "5", "0+1", "30", "50"},
         8,
         8,
         RuleGroup::FibreChannel,
         true,
         true,
         std::nullopt},
        {6,
         "Arvex Osprey",
         "Arvex &Osprey",
         "Arvex Osprey Controller",
         4,
         {0, 0, 0, 0},
         false,
         FiveLevels,
         std::nullopt,
         0,
         RuleGroup::Osprey,
         false,
         false,
         48},
        {7,
         "Keel Embedded",
         "Keel Embedded Arvex",
         "Keel Enbedded Arvex Controller",
         2,
         {2, 2, Keep, Keep},
         false,
         SevenLevels,
         8,
         8,
         RuleGroup::Standard,
         true,
         false,
         std::nullopt},
        {8,
         "Mast Embedded",
         "Mast Embedded Arvex",
         "Mast Enbedded Arvex Controller",
         2,
         {3, Keep, Keep, Keep},
         true,
         SevenLevels,
         8,
         8,
         RuleGroup::Standard,
         true,
         false,
         std::nullopt},
    };
    return catalogue;
}

const ControllerRecord* findController(int id) {
    const auto& catalogue = controllerCatalogue();
    if (id < 1 || id > static_cast<int>(catalogue.size()))
        return nullptr;
    return &catalogue[id - 1];
}

const ControllerRecord* findControllerNamed(const std::string& selectionText) {
    for (const ControllerRecord& record : controllerCatalogue())
        if (record.selectionText == selectionText)
            return &record;
    return nullptr;
}

const std::vector<DriveSize>& driveSizes() {
    static const std::vector<DriveSize> sizes{
        {"9.1", false, true},
        {"18.2", true, true},
        {"36.4", true, true},
        {"72.8", true, false},
    };
    return sizes;
}

const DriveSize* findDriveSize(const std::string& text) {
    for (const DriveSize& size : driveSizes())
        if (size.text == text)
            return &size;
    return nullptr;
}

const std::vector<StorageEntry>& storageList() {
    static const std::vector<StorageEntry> list{
        {"Vault/12 - 12 drives", 12},        {"Vault/12 - 6 drives", 6},          {"6 lp drives Internal Storage", 6},
        {"4 lp drives Internal Storage", 4}, {"2 lp drives Internal Storage", 2}, {"3 lp drives - Plover", 3},
        {"6 lp drives - Curlew", 6},         {"12 lp drives on 3 -Quill's", 12},  {"8 lp drives on 2 - Quill's", 8},
        {"4 lp drives on 1 - Quill", 4},
    };
    return list;
}

} // namespace spindex
