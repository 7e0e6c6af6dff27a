#include "ui/qt/ChooserColumns.h"

#include <QFileDialog>
#include <QFileSystemModel>
#include <QIdentityProxyModel>
#include <QLocale>
#include <QTimer>
#include <QTreeView>

namespace {

// The columns of the chooser's detail view.
constexpr int NAME_COLUMN = 0, SIZE_COLUMN = 1, DATE_COLUMN = 3;
// The chooser's first width, in average characters of its font: enough for
// the four columns of a folder of images with names of some thirty letters.
constexpr int CHOOSER_WIDTH_CHARACTERS = 120;
// The folder's details arrive in batches; the columns are fitted once they
// have stopped arriving for this long.
constexpr int FIT_DELAY_MS = 50;

// Qt writes sizes and dates in the system's locale, while the type names
// follow the default one: here all three follow the default locale.
class LocaleColumns : public QIdentityProxyModel {
  public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override {
        const auto* files = qobject_cast<const QFileSystemModel*>(sourceModel());
        if (files && role == Qt::DisplayRole) {
            const QModelIndex source = mapToSource(index);
            if (index.column() == SIZE_COLUMN && !files->isDir(source))
                return QLocale().formattedDataSize(files->size(source));
            if (index.column() == DATE_COLUMN)
                return QLocale().toString(files->lastModified(source), QLocale::ShortFormat);
        }
        return QIdentityProxyModel::data(index, role);
    }
};

} // namespace

void FitChooserColumns(QFileDialog& chooser) {
    auto* columns = new LocaleColumns(&chooser);
    chooser.setProxyModel(columns);
    chooser.resize(chooser.fontMetrics().averageCharWidth() * CHOOSER_WIDTH_CHARACTERS,
                   chooser.sizeHint().height());
    auto* details = chooser.findChild<QTreeView*>("treeView");
    if (!details) return;
    // The widths stay the user's to change: they are fitted anew only when
    // the folder or its details change.
    auto* fit = new QTimer(details);
    fit->setSingleShot(true);
    fit->setInterval(FIT_DELAY_MS);
    QObject::connect(fit, &QTimer::timeout, details, [details] {
        for (int column = NAME_COLUMN; column <= DATE_COLUMN; ++column)
            details->resizeColumnToContents(column);
    });
    const auto refit = [fit] { fit->start(); };
    QObject::connect(columns, &QAbstractItemModel::rowsInserted, fit, refit);
    QObject::connect(columns, &QAbstractItemModel::dataChanged, fit, refit);
}
