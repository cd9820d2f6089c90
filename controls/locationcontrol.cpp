#include "controls/locationcontrol.h"

#include "app/documentwindow.h"
#include "app/fileoperations.h"
#include "app/mainwindow.h"
#include "app/textrules.h"
#include "controls/fixedsize.h"
#include "controls/lookupcombo.h"
#include "controls/seltextbox.h"
#include "settings/filedialogs.h"
#include "settings/filefilters.h"
#include "settings/paths.h"
#include "settings/preferences.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace tavorin {

using namespace Qt::StringLiterals;

namespace {

// A saved document's path; an untitled one's is only its caption.
QString activeDocumentPath()
{
    const DocumentWindow *doc = MainWindow::activeDocumentWindow();
    return doc && HasDrive(doc->FullPath()) ? doc->FullPath() : QString();
}

LocationContext programContext()
{
    LocationContext context = FileSystemContext();
    context.documentPath = activeDocumentPath;
    context.saveDocument = [] {
        DocumentWindow *doc = MainWindow::activeDocumentWindow();
        return doc && SaveDocument(doc, false);
    };
    return context;
}

QLabel *hiddenLabel(const QString &name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->hide();
    return label;
}

} // namespace

LocationControl::LocationControl(QWidget *parent)
    : QWidget(parent),
      m_mainLabel(new QLabel(this)),
      m_localLabel(hiddenLabel(u"lblLocalLocation"_s, u"File &Location:"_s, this)),
      m_anchorLabel(hiddenLabel(u"lblAnchorLocation"_s, u"&Name Of Anchor:"_s, this)),
      m_webLabel(hiddenLabel(u"lblWebLocation"_s, u"Address (&URL):"_s, this)),
      m_file(new SelTextBox(this)),
      m_service(new LookupCombo(this, DefaultEntry::Http)),
      m_address(new SelTextBox(this, BoxStyle::Path)),
      m_anchors(new LookupCombo(this, DefaultEntry::Nothing)),
      m_browse(new QPushButton(u"Browse..."_s, this)),
      m_context(programContext())
{
    m_mainLabel->setObjectName(u"lblMainLabel"_s);
    m_file->setObjectName(u"txtFileLocation"_s);
    m_file->setMaxLength(255);
    m_service->setObjectName(u"cboURLService"_s);
    m_service->addItems(ServiceEntries());
    m_address->setObjectName(u"txtURLText"_s);
    m_address->setMaxLength(240);
    m_anchors->setObjectName(u"cboAnchorList"_s);
    m_browse->setObjectName(u"cmdLocateFile"_s);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setHorizontalSpacing(4);
    layout->setVerticalSpacing(1);
    layout->addWidget(m_mainLabel, 0, 0, 1, 3);
    auto *inputs = new QHBoxLayout;
    inputs->setSpacing(4);
    inputs->addWidget(m_service);
    inputs->addWidget(m_address, 1);
    inputs->addWidget(m_file, 1);
    inputs->addWidget(m_anchors, 1);
    inputs->addWidget(m_browse);
    layout->addLayout(inputs, 1, 0, 1, 3);
    setFixedSize(sizeHint());

    connect(m_file, &SelTextBox::changed, this, &LocationControl::LocationChange);
    connect(m_address, &SelTextBox::changed, this, &LocationControl::addressChanged);
    connect(m_service, &LookupCombo::changed, this, &LocationControl::LocationChange);
    connect(m_browse, &QPushButton::clicked, this, &LocationControl::browse);
    arrange();
}

QSize LocationControl::sizeHint() const
{
    return TwipsToPixels(*this, 5040, 645);
}

QLabel *LocationControl::captionLabel(LocationStyle style) const
{
    switch (style) {
    case LocationStyle::Anchor:
        return m_anchorLabel;
    case LocationStyle::Web:
        return m_webLabel;
    case LocationStyle::LocalFile:
        return m_localLabel;
    case LocationStyle::None:
        break;
    }
    return nullptr;
}

void LocationControl::arrange()
{
    const bool web = m_style == LocationStyle::Web;
    m_file->setVisible(m_style == LocationStyle::LocalFile);
    m_browse->setVisible(m_style == LocationStyle::LocalFile || web);
    m_service->setVisible(web);
    m_address->setVisible(web);
    m_anchors->setVisible(m_style == LocationStyle::Anchor);
    const QLabel *caption = captionLabel(m_style);
    m_mainLabel->setVisible(caption);
    if (caption) {
        m_mainLabel->setText(caption->text());
        m_mainLabel->setBuddy(web ? static_cast<QWidget *>(m_address)
                                  : m_style == LocationStyle::Anchor ? static_cast<QWidget *>(m_anchors) : m_file);
    }
    SetLocationFocus();
}

void LocationControl::setLocationStyle(LocationStyle style)
{
    m_style = style;
    arrange();
    QCoreApplication::processEvents();
    Q_EMIT LocationChange();
}

void LocationControl::SetLocationFocus()
{
    switch (m_style) {
    case LocationStyle::LocalFile:
        m_file->setFocus();
        break;
    case LocationStyle::Anchor:
        m_anchors->setFocus();
        break;
    case LocationStyle::Web:
        m_address->setFocus();
        break;
    case LocationStyle::None:
        break;
    }
}

QString LocationControl::Location() const
{
    switch (m_style) {
    case LocationStyle::LocalFile:
        return TrimSpaces(m_file->text());
    case LocationStyle::Anchor:
        return TrimSpaces(m_anchors->text());
    case LocationStyle::Web:
        return TrimSpaces(m_address->text());
    case LocationStyle::None:
        break;
    }
    return {};
}

void LocationControl::setLocation(const QString &value)
{
    const QString text = LocationInputText(value);
    switch (m_style) {
    case LocationStyle::LocalFile:
        m_file->setText(text);
        break;
    case LocationStyle::Anchor:
        m_anchors->setText(text);
        break;
    case LocationStyle::Web:
        m_address->setText(text);
        break;
    case LocationStyle::None:
        break;
    }
}

QString LocationControl::ServiceType() const
{
    return m_service->text();
}

void LocationControl::setServiceType(const QString &service)
{
    m_service->setText(service);
}

QString LocationControl::captionLocal() const
{
    return m_localLabel->text();
}

void LocationControl::setCaptionLocal(const QString &caption)
{
    m_localLabel->setText(caption);
    arrange();
}

QString LocationControl::captionWeb() const
{
    return m_webLabel->text();
}

void LocationControl::setCaptionWeb(const QString &caption)
{
    m_webLabel->setText(caption);
    arrange();
}

QString LocationControl::captionAnchor() const
{
    return m_anchorLabel->text();
}

void LocationControl::setCaptionAnchor(const QString &caption)
{
    m_anchorLabel->setText(caption);
    arrange();
}

bool LocationControl::SetupWeb(const QString &pathIn)
{
    const std::optional<WebAddress> address = SplitWebAddress(pathIn);
    if (!address)
        return false;
    setLocationStyle(LocationStyle::Web);
    m_service->setText(address->service);
    m_address->setText(address->location);
    return true;
}

void LocationControl::addressChanged()
{
    if (!m_splitting) {
        const AddressChange change = SplitAddressText(m_address->text(), m_service->items());
        if (change.text != m_address->text()) {
            m_splitting = true;
            m_address->setText(change.text);
            m_address->setSelStart(int(change.text.size()));
            m_splitting = false;
        }
        if (!change.service.isEmpty())
            m_service->setText(change.service);
    }
    Q_EMIT LocationChange();
}

std::optional<QString> LocationControl::ProcessedLocation(bool allowBlank)
{
    if (m_style == LocationStyle::Web)
        m_service->forceLostFocus();
    TypedLocation typed;
    typed.style = m_style;
    typed.location = Location();
    typed.service = m_service->text();
    typed.lowerCasePaths = m_lowerCasePaths;
    typed.neverAskRelative = Prefs().NeverAskRelative;
    std::optional<QString> result = ProcessLocation(typed, allowBlank, m_context);
    if (!result)
        SetLocationFocus();
    return result;
}

int LocationControl::CreateAnchorList(const QString &text)
{
    const QStringList names = AnchorNames(text);
    m_anchors->addItems(names);
    return int(names.size());
}

void LocationControl::Reset()
{
    m_file->setText({});
    m_address->setText({});
    m_anchors->setText({});
}

void LocationControl::browse()
{
    FileDialogRequest request;
    SetFilter(request, m_filter);
    request.title = BrowseTitle(m_style, m_filter);
    SelTextBox *field = m_style == LocationStyle::Web ? m_address : m_file;
    QString path = field->text();
    const QString document = m_context.documentPath();
    if (!BrowseForFile(request, path, true, document.isEmpty() ? QString() : FolderOf(document)) || path == field->text())
        return;
    field->setText(path);
    // A chosen Linux file is local like a drive-letter one.
    if (m_style == LocationStyle::Web && IsLinuxPath(path))
        m_service->setText(u"file://"_s);
}

void LocationControl::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1)
        return; // help is the host's Help button
    QWidget::keyPressEvent(event);
}

} // namespace tavorin
