#include "shell/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace lir::gui {

QString qtFilter(const QString& pipeFilter) {
  const QStringList parts = pipeFilter.split(QLatin1Char('|'));
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    QString caption = parts[i];
    const QString patterns = parts[i + 1];
    // Qt reads the patterns from the parentheses of the caption: put the
    // real ones there, whatever the caption showed.
    const int open = caption.lastIndexOf(QLatin1Char('('));
    if (open > 0) caption = caption.left(open).trimmed();
    QString qtPatterns = patterns;
    qtPatterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (qtPatterns == QStringLiteral("*.*")) qtPatterns = QStringLiteral("*");
    filters << QStringLiteral("%1 (%2)").arg(caption, qtPatterns);
  }
  return filters.join(QStringLiteral(";;"));
}

QString TQtFileDialogs::openFile(QWidget* parent, const TFileDialogRequest& request) {
  return QFileDialog::getOpenFileName(parent, request.caption, request.folder, request.filter);
}

QString TQtFileDialogs::saveFile(QWidget* parent, const TFileDialogRequest& request) {
  QFileDialog dialog(parent, request.caption, request.folder, request.filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(request.defaultSuffix);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace lir::gui
