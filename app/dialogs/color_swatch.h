#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

namespace table {

// A colour swatch of the colour dialog: a small picture with a persistent image. Its
// background shows a colour, or its text colour shows one through a sample drawn on it.
class ColorSwatch : public QWidget {
  Q_OBJECT

 public:
  explicit ColorSwatch(QWidget* parent = nullptr);

  // Colours are 0x00BBGGRR (or a system colour for the background).
  std::int32_t backColor() const { return m_backColor; }
  // Sets the background and fills the picture with it, as a clear does.
  void setBackColor(std::int32_t color);
  std::int32_t foreColor() const { return m_foreColor; }
  // Only what is drawn afterwards takes the new text colour.
  void setForeColor(std::int32_t color) { m_foreColor = color; }

  // Fills the picture with the background.
  void clear();
  // Draws `text` in the text colour, bold, centred across the swatch, its top 10 twips below
  // the swatch's top edge.
  void drawSample(const QString& text);

  // The persistent picture, as shown.
  const QImage& picture() const { return m_picture; }
  // The sample's font.
  static QFont SampleFont();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void fitPicture();

  std::int32_t m_backColor = 0xFFFFFF;
  std::int32_t m_foreColor = 0;
  QImage m_picture;
};

}  // namespace table
