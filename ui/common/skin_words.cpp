#include "ui/common/skin_words.h"

#include <QCoreApplication>
#include <QPainter>

#include <algorithm>
#include <vector>

#include "ui/common/jpeg_loader.h"
#include "ui/common/picture_style.h"
#include "ui/common/widgets.h"

namespace kelvra {

QString SkinWordText(const SkinWord& word) {
  return QCoreApplication::translate("kelvra::SkinWords", word.text);
}

void DrawSkinWords(QPainter& painter, std::span<const SkinWord> words, bool translate) {
  for (const SkinWord& word : words) {
    const QString text = translate ? SkinWordText(word) : QString::fromUtf8(word.text);
    style::DrawText(painter, word.place, word.flags, text,
                    style::PixelFont(QStringLiteral("Arial"), word.pixelSize, word.bold),
                    word.colour);
  }
}

QString BareSkinFile(const QString& fileName) {
  const qsizetype dot = fileName.lastIndexOf(u'.');
  return dot < 0 ? fileName + QStringLiteral("-bare")
                 : fileName.left(dot) + QStringLiteral("-bare") + fileName.mid(dot);
}

bool LoadSkinAsset(ImageView& target, const QString& fileName, std::span<const SkinWord> words) {
  const bool translated = std::any_of(words.begin(), words.end(), [](const SkinWord& word) {
    return SkinWordText(word) != QString::fromUtf8(word.text);
  });
  if (!translated) return LoadJpegAsset(target, fileName);
  const QImage bare = ReadJpegAsset(BareSkinFile(fileName));
  if (bare.isNull()) return false;
  const std::vector<SkinWord> kept(words.begin(), words.end());
  target.setPicture(
      [bare, kept](double ratio) {
        // The picture is scaled (it is one); the words are drawn afresh, sharp at any ratio.
        QImage picture =
            bare.scaled(bare.size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawSkinWords(painter, kept, true);
        return picture;
      },
      true);
  return true;
}

}  // namespace kelvra
