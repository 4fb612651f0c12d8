#include "art/Art.h"

namespace art {

QByteArray data(QStringView) { return {}; }
QImage picture(QStringView) { return {}; }
std::vector<QImage> imageList(QStringView) { return {}; }

} // namespace art
