#include "app/shell/about/frm_about.h"

#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/program_info.h"
#include "app/shell/icons/program_logo.h"
#include "app/shell/services/registry.h"
#include "app/shell/services/user_prompts.h"

namespace table {

namespace {

constexpr int kTextWidth = 330;

QFont AboutFont(qreal points, bool bold) {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QLabel* MakeLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QFrame* MakeSeparator(const QString& name, QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

}  // namespace

QPixmap DrawChemistryPicture(int width, int height) {
  QPixmap pixmap(width, height);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);

  // A conical flask: a neck on a wide cone, measured in parts of the picture.
  const double w = width;
  const double h = height;
  QPainterPath flask;
  flask.moveTo(0.40 * w, 0.08 * h);
  flask.lineTo(0.40 * w, 0.38 * h);
  flask.lineTo(0.10 * w, 0.90 * h);
  flask.quadTo(0.08 * w, 0.96 * h, 0.16 * w, 0.96 * h);
  flask.lineTo(0.84 * w, 0.96 * h);
  flask.quadTo(0.92 * w, 0.96 * h, 0.90 * w, 0.90 * h);
  flask.lineTo(0.60 * w, 0.38 * h);
  flask.lineTo(0.60 * w, 0.08 * h);

  // The liquid fills the flask below its surface.
  QPainterPath below;
  below.addRect(QRectF(0, 0.62 * h, w, h));
  QPainterPath body = flask;
  body.closeSubpath();
  painter.fillPath(body.intersected(below), QColor(64, 168, 96));

  // Bubbles in the liquid.
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(200, 240, 210));
  painter.drawEllipse(QPointF(0.42 * w, 0.80 * h), 0.04 * w, 0.04 * w);
  painter.drawEllipse(QPointF(0.58 * w, 0.72 * h), 0.03 * w, 0.03 * w);
  painter.drawEllipse(QPointF(0.66 * w, 0.86 * h), 0.05 * w, 0.05 * w);

  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(40, 40, 40), std::max(1.5, w / 32)));
  painter.drawPath(flask);
  painter.drawLine(QPointF(0.34 * w, 0.08 * h), QPointF(0.66 * w, 0.08 * h));
  return pixmap;
}

frmAbout::frmAbout(RegistryReader& registry, ProgramStarter& starter, UserPrompts& prompts,
                   QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      m_registry(registry),
      m_starter(starter),
      m_prompts(prompts) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("О программе"));
  setModal(true);
  setFont(AboutFont(9, false));

  picIcon = new QLabel(this);
  picIcon->setObjectName(QStringLiteral("picIcon"));
  picIcon->setPixmap(DrawProgramLogo(48, 48));
  picIcon->setFixedSize(48, 48);

  picChemistry = new QLabel(this);
  picChemistry->setObjectName(QStringLiteral("picChemistry"));
  picChemistry->setPixmap(DrawChemistryPicture(64, 80));
  picChemistry->setFixedSize(64, 80);

  lblTitle = MakeLabel(QStringLiteral("lblTitle"), ProgramTitle(), this);
  lblTitle->setFont(AboutFont(12, true));
  lblTitle->setWordWrap(true);

  lblVersion = MakeLabel(QStringLiteral("lblVersion"), VersionText(), this);

  lblDescription = MakeLabel(
      QStringLiteral("lblDescription"),
      QStringLiteral("Программа позволяет работать с таблицей химических элементов.") +
          QStringLiteral(" Программа содержит наиболее важные, по мнению авторов, сведения о "
                         "периодической системе и ее элементах.") +
          QStringLiteral(
              " Пожелания, советы, сообщения об ошибках принимаются по указанному ниже адресу."),
      this);
  lblDescription->setWordWrap(true);

  lblAuthor = MakeLabel(QStringLiteral("lblAuthor"),
                        QStringLiteral("Авторы: разработчики программы\r\n"
                                       "© 2002-2003\r\n"
                                       "Адрес: table@example.org"),
                        this);

  lblDisclaimer =
      MakeLabel(QStringLiteral("lblDisclaimer"),
                QStringLiteral("Предупреждение: авторы не несут ответственности за "
                               "правильность данных, приведенных в этой программе,") +
                    QStringLiteral(" а также за любой вред причиненный этой программой."),
                this);
  lblDisclaimer->setWordWrap(true);
  lblDisclaimer->setFont(AboutFont(8, false));

  linSeparator1 = MakeSeparator(QStringLiteral("linSeparator1"), this);
  linSeparator2 = MakeSeparator(QStringLiteral("linSeparator2"), this);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  cmdSysInfo = new QPushButton(QStringLiteral("О &Системе..."), this);
  cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
  cmdSysInfo->setAutoDefault(false);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

  for (QLabel* label : {lblTitle, lblDescription, lblDisclaimer}) label->setFixedWidth(kTextWidth);

  auto* texts = new QVBoxLayout;
  texts->setSpacing(6);
  texts->addWidget(lblTitle);
  texts->addWidget(lblVersion);
  texts->addSpacing(4);
  texts->addWidget(lblDescription);

  auto* top = new QHBoxLayout;
  top->setSpacing(12);
  top->addWidget(picIcon, 0, Qt::AlignTop);
  top->addLayout(texts);
  top->addWidget(picChemistry, 0, Qt::AlignTop);

  auto* buttons = new QVBoxLayout;
  buttons->addWidget(cmdOK);
  buttons->addWidget(cmdSysInfo);
  buttons->addStretch();

  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(12);
  bottom->addWidget(lblDisclaimer, 0, Qt::AlignTop);
  bottom->addStretch();
  bottom->addLayout(buttons);

  auto* outer = new QVBoxLayout(this);
  outer->setSizeConstraint(QLayout::SetFixedSize);
  outer->setContentsMargins(12, 12, 12, 12);
  outer->addLayout(top);
  outer->addWidget(linSeparator1);
  outer->addWidget(lblAuthor);
  outer->addWidget(linSeparator2);
  outer->addLayout(bottom);
}

QString frmAbout::SysInfoMissingMessage() {
  return QStringLiteral(
      "На данный момент информация о системе недоступна. Файл MSINFO32.EXE не найден");
}

void frmAbout::StartSysInfo() {
  // The registry names the program itself; if it does not, it may name the directory that holds
  // it. A program that fails to start counts as missing.
  if (const auto program =
          m_registry.readValue(QLatin1String(kSysInfoKey), QLatin1String(kSysInfoValue))) {
    if (TryStart(*program)) return;
  } else if (const auto directory = m_registry.readValue(QLatin1String(kSysInfoLocationKey),
                                                         QLatin1String(kSysInfoLocationValue))) {
    const QString program = *directory + QStringLiteral("/msinfo32");
    if (QFileInfo(program).isFile() && TryStart(program)) return;
  }
  m_prompts.information(this, ProgramTitle(), SysInfoMissingMessage());
}

bool frmAbout::TryStart(const QString& program) {
  if (program.isEmpty()) return false;
  return m_starter.startDetached(program, {});
}

}  // namespace table
