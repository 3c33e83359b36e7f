#include "ui/savedfile.h"

#include "engine/progressdetails.h"
#include "ui/elidedtitle.h"

#include <QBoxLayout>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

SavedFile::SavedFile(QBoxLayout *page, int index, QObject *parent)
    : QObject(parent)
    , label(new QLabel)
    , openButton(new QPushButton(tr("Open File")))
{
    label->setObjectName(QStringLiteral("label_SavedFile"));
    label->setTextFormat(Qt::PlainText);
    name = new ElidedTitle(label);
    openButton->setObjectName(QStringLiteral("btnOpenFile"));
    openButton->setAutoDefault(false);
    // A line of its own: the buttons below have no room left at the smaller scales.
    auto *line = new QHBoxLayout;
    line->addWidget(label, 1);
    line->addWidget(openButton);
    page->insertLayout(index, line);
    connect(openButton, &QPushButton::clicked, this,
            [this] { QDesktopServices::openUrl(QUrl::fromLocalFile(file)); });
    hide();
}

void SavedFile::show(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile()) {
        hide();
        return;
    }
    file = info.absoluteFilePath();
    // The size first, so that a long name is what gets cut.
    // In the same precision as the download's reading above it.
    name->setText(tr("%1 · %2").arg(describeSize(double(info.size())), info.fileName()));
    label->show();
    openButton->show();
}

void SavedFile::hide()
{
    file.clear();
    label->hide();
    openButton->hide();
}
