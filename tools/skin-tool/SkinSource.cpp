#include "SkinSource.h"

#include "skin/builtin/BuiltinSkin.h"
#include "skin/data/ExtractEntry.h"
#include "skin/data/Sk2Archive.h"
#include "skin/data/Sk2SkinFileReader.h"
#include "skin/data/SkinError.h"

namespace skintool {

skin::SkinElements LoadElements(const QString& source, const QByteArray& password) {
    const auto container = source == QLatin1String("builtin")
                               ? std::optional<QByteArray>(skin::BuiltinSkinData())
                               : skin::ReadContainerFile(source);
    if (!container) throw skin::SkinError(skin::kFailedToReadMessage);
    const QByteArray archive = skin::ExtractSkinArchive(*container, password);
    // Load it as the program would, so that the tool refuses what the program refuses.
    skin::Tsk2SkinFileReader::FromArchive(archive);
    return skin::ReadSk2Archive(archive);
}

skin::ColorRef TransparentColour(const skin::SkinElements& elements) {
    for (const skin::SkinElement& element : elements) {
        if (element.Kind == skin::ekInteger &&
            element.Name.compare("SKIN2_TRANSCOLOR", Qt::CaseInsensitive) == 0) {
            return element.IntegerValue();
        }
    }
    return 0x00FF00FF;
}

}  // namespace skintool
