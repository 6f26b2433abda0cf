#include "save_ini_m.h"

#include "message_boxes.h"
#include "settings_file.h"
#include "shared_state.h"

namespace tambrel {

std::int16_t ConfirmCloseAndSave() {
    if (!Boxes().askYesNo(QStringLiteral("Запрос"), QStringLiteral("Закрыть программу?"))) return 1;
    WriteSettingsFile(SettingsFileName, ReplaceWithAnswer);
    return 0;
}

}  // namespace tambrel
