#include "ui/key_help.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <iterator>
#include <vector>

#include "ui/controller.h"
#include "ui/fonts.h"

namespace korvane {

QString KeyTable(std::initializer_list<KeyLine> lines) {
  // The zoom keys are the same in every window and close each table.
  const KeyLine zoomLines[] = {
      {QT_TRANSLATE_NOOP("Keys", "Ctrl + プラス / マイナス"),
       QCoreApplication::translate("Keys", "拡大 / 縮小")},
      {"Ctrl + 0", QCoreApplication::translate("Keys", "標準の大きさ")},
      {"F11", QCoreApplication::translate("Keys", "全画面表示の切り替え")},
  };
  std::vector<KeyLine> all(lines);
  all.insert(all.end(), std::begin(zoomLines), std::end(zoomLines));
  QString html = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
  for (const KeyLine& line : all) {
    if (!line.keys) {
      html += QStringLiteral("<tr><td colspan=\"2\"><b>%1</b></td></tr>").arg(line.does);
    } else {
      // Keys named in words ("プラス") have their translation; the others stay as they are.
      html += QStringLiteral(
                  "<tr><td style=\"padding-left:12px; padding-right:14px\">%1</td>"
                  "<td>%2</td></tr>")
                  .arg(QCoreApplication::translate("Keys", line.keys).toHtmlEscaped(),
                       line.does.toHtmlEscaped());
    }
  }
  // With a controller attached, its controls as its own make names them.
  if (const Controller* pad = Controller::Instance(); pad && pad->Connected() > 0) {
    html += QStringLiteral("<tr><td colspan=\"2\"><b>%1</b></td></tr>")
                .arg(QCoreApplication::translate("Keys", "コントローラー"));
    for (const PadHelpLine& line : PadHelp(pad->Make())) {
      html += QStringLiteral(
                  "<tr><td style=\"padding-left:12px; padding-right:14px\">%1</td>"
                  "<td>%2</td></tr>")
                  .arg(line.controls.toHtmlEscaped(), line.does.toHtmlEscaped());
    }
  }
  return html + QStringLiteral("</table>");
}

void ShowKeyHelp(QWidget* parent, const QString& text) {
  auto* box = new QMessageBox(parent);
  box->setObjectName(QStringLiteral("KeyHelp"));
  box->setAttribute(Qt::WA_DeleteOnClose);
  box->setWindowTitle(QCoreApplication::translate("Keys", "キー操作"));
  box->setFont(GothicFont(13));
  box->setTextFormat(Qt::RichText);
  box->setText(text);
  box->setStandardButtons(QMessageBox::Ok);
  box->setWindowModality(Qt::WindowModal);
  box->show();
}

}  // namespace korvane
