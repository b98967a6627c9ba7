#include "core/report/TFichePreview.h"

#include "core/report/Layouter.h"
#include "core/report/PagePainter.h"
#include "core/report/PrintSink.h"
#include "core/report/Report.h"
#include "data/AppFolders.h"
#include "ui/Dialogs.h"
#include "ui/Messages.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace corvane::core::report {

namespace {

constexpr int RecordsPerStep = 200;
constexpr int Gap = 16; // grey border around the page, pixels

TFichePreview *theWindow = nullptr;

// While a report is laid out the application keeps running, but only the
// preview answers the officer: a second print from the window below would
// otherwise start while the first is still being laid out.
class PreviewOnlyInput : public QObject {
public:
    explicit PreviewOnlyInput(QWidget *preview)
        : preview_(preview)
    {
        qApp->installEventFilter(this);
    }
    ~PreviewOnlyInput() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Shortcut: {
            auto *w = qobject_cast<QWidget *>(watched);
            if (w && w->window() != preview_ && !w->window()->inherits("QMessageBox"))
                return true;
            break;
        }
        default:
            break;
        }
        return false;
    }

private:
    QWidget *preview_;
};

QString fileNameFor(const QString &title)
{
    QString name = title.trimmed();
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (QChar &c : name)
        if (forbidden.contains(c) || c.unicode() < 32)
            c = QLatin1Char('_');
    if (name.isEmpty())
        name = QStringLiteral("Document");
    return name + QStringLiteral(".pdf");
}

} // namespace

// Paints the current page centred on a grey desk, with a soft shadow.
class PageView : public QWidget {
public:
    explicit PageView(QWidget *parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    void show(const Page *page, QSizeF paperMm, double zoom)
    {
        page_ = page;
        paperMm_ = paperMm;
        zoom_ = zoom;
        const QSizeF px = pagePixels();
        resize(qMax(parentWidget() ? parentWidget()->width() : 0, int(px.width()) + 2 * Gap),
               qMax(parentWidget() ? parentWidget()->height() : 0, int(px.height()) + 2 * Gap));
        update();
    }

    // The page's size at zoom 1: its real size on this screen.
    QSizeF actualPixels() const
    {
        return QSizeF(paperMm_.width() * logicalDpiX() / 25.4, paperMm_.height() * logicalDpiY() / 25.4);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), QColor(96, 99, 104));
        if (!page_)
            return;
        const QSizeF size = pagePixels();
        const QRectF sheet(qMax(double(Gap), (width() - size.width()) / 2), Gap, size.width(), size.height());
        p.fillRect(sheet.translated(3, 3), QColor(40, 40, 40, 120));
        p.fillRect(sheet, Qt::white);
        p.setClipRect(sheet);
        p.translate(sheet.topLeft());
        p.scale(zoom_, zoom_);
        paintPage(p, *page_);
    }

private:
    QSizeF pagePixels() const { return actualPixels() * zoom_; }

    const Page *page_ = nullptr;
    QSizeF paperMm_{210, 297};
    double zoom_ = 1.0;
};

TFichePreview &TFichePreview::instance()
{
    if (!theWindow)
        theWindow = new TFichePreview;
    return *theWindow;
}

TFichePreview::TFichePreview(QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QString::fromUtf8("Prévisualisation avant impression"));
    scroll_ = new QScrollArea(this);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new PageView(scroll_);
    scroll_->setWidget(view_);
    scroll_->viewport()->installEventFilter(this);
    setCentralWidget(scroll_);
    buildToolBar();
    statusBar();
    resize(1024, 768);
    updateButtons();
}

TFichePreview::~TFichePreview()
{
    if (theWindow == this)
        theWindow = nullptr;
}

QAction *TFichePreview::action(Action a) const
{
    return actions_[int(a)];
}

void TFichePreview::buildToolBar()
{
    QToolBar *bar = addToolBar(QStringLiteral("Prévisualisation"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    QStyle *st = style();
    auto add = [&](Action a, const QIcon &icon, const QString &text, const QString &hint, auto slot) {
        QAction *act = bar->addAction(icon, text);
        act->setToolTip(hint);
        act->setStatusTip(hint);
        connect(act, &QAction::triggered, this, slot);
        actions_[int(a)] = act;
        return act;
    };
    auto fr = [](const char *s) { return QString::fromUtf8(s); };
    add(Action::First, st->standardIcon(QStyle::SP_MediaSkipBackward), QString(),
        fr("Aller à la première page"), [this] {
            QCoreApplication::processEvents();
            goTo(1);
        });
    add(Action::Previous, st->standardIcon(QStyle::SP_MediaSeekBackward), QString(), fr("Page précédente"),
        [this] {
            QCoreApplication::processEvents();
            if (page_ >= 2)
                goTo(page_ - 1);
        });
    add(Action::Next, st->standardIcon(QStyle::SP_MediaSeekForward), QString(), fr("Page suivante"), [this] {
        QCoreApplication::processEvents();
        if (page_ < doc_.pageCount())
            goTo(page_ + 1);
    });
    add(Action::Last, st->standardIcon(QStyle::SP_MediaSkipForward), QString(),
        fr("Aller à la dernière page"), [this] {
            QCoreApplication::processEvents();
            goTo(doc_.pageCount());
        });
    // The page arrows speak for themselves; their hints say the rest.
    for (Action a : {Action::First, Action::Previous, Action::Next, Action::Last}) {
        action(a)->setIconText(action(a)->toolTip());
        if (auto *button = qobject_cast<QToolButton *>(bar->widgetForAction(action(a))))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    bar->addSeparator();

    auto *zooms = new QActionGroup(this);
    zooms->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (auto [a, text, hint, mode] :
         {std::tuple{Action::ZoomFit, fr("Page entière"), fr("Zoom tenant dans l'écran"), ZoomMode::Fit},
          std::tuple{Action::Zoom100, fr("100 %"), fr("Zoom grandeur réelle"), ZoomMode::Actual},
          std::tuple{Action::ZoomWidth, fr("Largeur"), fr("Zoom tenant sur la largeur de l'écran"),
                     ZoomMode::Width}}) {
        QAction *act = add(a, QIcon(), text, hint, [this, m = mode] { setZoomMode(m); });
        act->setCheckable(true);
        zooms->addAction(act);
    }
    bar->addSeparator();
    add(Action::Print, st->standardIcon(QStyle::SP_FileDialogDetailedView), fr("&Imprimer"), fr("Imprimer"),
        [this] { print(); });
    add(Action::SavePdf, st->standardIcon(QStyle::SP_DialogSaveButton), fr("Enregistrer en PDF"),
        fr("Enregistrer le document au format PDF"), [this] { savePdf(); });
    bar->addSeparator();

    bar->addWidget(new QLabel(fr(" Page "), bar));
    pageBox_ = new QSpinBox(bar);
    pageBox_->setRange(0, 0);
    pageBox_->setToolTip(fr("Va à la page spécifiée"));
    bar->addWidget(pageBox_);
    connect(pageBox_, &QSpinBox::valueChanged, this, [this](int v) {
        if (v >= 1 && v <= doc_.pageCount() && v != page_)
            goTo(v);
    });
    bar->addWidget(new QLabel(fr("  Zoom "), bar));
    zoomBox_ = new QSpinBox(bar);
    zoomBox_->setRange(10, 400);
    zoomBox_->setSuffix(fr(" %"));
    zoomBox_->setToolTip(fr("Zoom au taux spécifié"));
    bar->addWidget(zoomBox_);
    connect(zoomBox_, &QSpinBox::valueChanged, this, [this](int v) {
        if (qRound(zoom_ * 100) == v)
            return;
        zoomMode_ = ZoomMode::Custom;
        for (Action a : {Action::ZoomFit, Action::Zoom100, Action::ZoomWidth})
            action(a)->setChecked(false);
        applyZoom(v / 100.0);
    });
    copiesLabel_ = new QLabel(fr("  &Copies "), bar);
    bar->addWidget(copiesLabel_);
    copiesBox_ = new QSpinBox(bar);
    copiesBox_->setRange(1, 99);
    copiesBox_->setToolTip(fr("Choisi le nombre de copie à imprimer"));
    copiesLabel_->setBuddy(copiesBox_);
    bar->addWidget(copiesBox_);
    bar->addSeparator();
    add(Action::Close, st->standardIcon(QStyle::SP_DialogCloseButton), fr("F&ermer"),
        fr("Quitte la prévisualisation d'impression"), [this] { requestClose(); });

    auto *pageDown = new QShortcut(QKeySequence(Qt::Key_PageDown), this);
    connect(pageDown, &QShortcut::activated, action(Action::Next), &QAction::trigger);
    auto *pageUp = new QShortcut(QKeySequence(Qt::Key_PageUp), this);
    connect(pageUp, &QShortcut::activated, action(Action::Previous), &QAction::trigger);
}

void TFichePreview::beginShowing(const QString &title, int copies)
{
    detach();
    title_ = title;
    doc_ = Document{};
    attached_ = true;
    initialised_ = false;
    page_ = 0;
    copiesBox_->setValue(qMax(1, copies));
    statusBar()->clearMessage();
    followModalChain();
    if (isMinimized() || !isVisible())
        showMaximized();
    raise();
    activateWindow();
}

void TFichePreview::followModalChain()
{
    // A modal window blocks every other window but its transient children.
    // Reports are printed from modal windows, so the preview becomes a
    // transient child of the modal window of the moment: it then stays
    // usable beside it, without being destroyed with it.
    QWidget *modal = QApplication::activeModalWidget();
    QWindow *wanted = (modal && modal != this) ? modal->window()->windowHandle() : nullptr;
    winId(); // the native window, to hang it on the modal one
    QWindow *mine = windowHandle();
    if (!mine || mine->transientParent() == wanted)
        return;
    // The blocking is decided when a window is shown.
    if (isVisible())
        hide();
    mine->setTransientParent(wanted);
}

bool TFichePreview::preview(const Report &report, int copies)
{
    if (state_ == State::Busy)
        return false; // one report at a time
    beginShowing(report.title(), copies);
    setWindowTitle(QString::fromUtf8("Génération de la visualisation, patientez s'il vous plait..."));
    doc_.title = report.title();
    doc_.setup = report.pageSetup();
    state_ = State::Busy;
    cancelRequested_ = false;
    updateButtons();
    bool complete = false;
    {
        Layouter layouter(report);
        PreviewOnlyInput onlyHere(this);
        while (!cancelRequested_) {
            complete = layouter.step(RecordsPerStep);
            if (complete)
                break;
            addPages(layouter.finishedPages());
            QCoreApplication::processEvents();
        }
        if (complete) {
            Document done = layouter.takeDocument();
            addPages(done.pages);
        }
    }
    if (!complete) {
        state_ = State::Ready;
        detach();
        hide();
        return false;
    }
    state_ = State::Finished;
    updateCaption();
    updateButtons();
    return true;
}

void TFichePreview::showDocument(Document doc, int copies)
{
    if (state_ == State::Busy)
        return;
    beginShowing(doc.title, copies);
    std::vector<Page> pages = std::move(doc.pages);
    doc.pages.clear();
    doc_ = std::move(doc);
    state_ = State::Finished;
    addPages(pages);
    updateCaption();
    updateButtons();
}

void TFichePreview::addPages(const std::vector<Page> &pages)
{
    if (pages.size() <= doc_.pages.size())
        return;
    for (size_t i = doc_.pages.size(); i < pages.size(); ++i)
        doc_.pages.push_back(pages[i]);
    pagesAvailable();
}

void TFichePreview::pagesAvailable()
{
    const QSignalBlocker block(pageBox_);
    pageBox_->setRange(1, doc_.pageCount());
    if (!initialised_) {
        // Once per showing, when the first page is there.
        initialised_ = true;
        pageBox_->setValue(1);
        page_ = 1;
        setZoomMode(ZoomMode::Width);
    }
    updateCaption();
    updateButtons();
}

void TFichePreview::updateCaption()
{
    if (doc_.pages.empty())
        return;
    const int n = doc_.pageCount();
    QString caption = title_ + (n == 1 ? QStringLiteral(" - 1 page") : QStringLiteral(" - %1 pages").arg(n));
    switch (state_) {
    case State::Ready:
        caption += QString::fromUtf8(" prêt");
        break;
    case State::Busy:
        caption += QString::fromUtf8(" occupé");
        break;
    case State::Finished:
        caption += QString::fromUtf8(" terminé");
        break;
    }
    setWindowTitle(caption);
}

void TFichePreview::updateButtons()
{
    const bool has = !doc_.pages.empty();
    const bool finished = state_ == State::Finished && has;
    action(Action::First)->setEnabled(has && page_ > 1);
    action(Action::Previous)->setEnabled(has && page_ > 1);
    action(Action::Next)->setEnabled(has && page_ < doc_.pageCount());
    action(Action::Last)->setEnabled(has && page_ < doc_.pageCount());
    action(Action::Print)->setEnabled(finished);
    action(Action::SavePdf)->setEnabled(finished);
    pageBox_->setEnabled(has);
    zoomBox_->setEnabled(has);
}

void TFichePreview::detach()
{
    attached_ = false;
    doc_ = Document{};
    page_ = 0;
    initialised_ = false;
    {
        const QSignalBlocker block(pageBox_);
        pageBox_->setRange(0, 0);
    }
    view_->show(nullptr, QSizeF(210, 297), zoom_);
    setWindowTitle(QString::fromUtf8("Prévisualisation avant impression"));
    updateButtons();
}

void TFichePreview::requestClose()
{
    if (state_ == State::Busy) {
        if (ui::Messages::confirm(QString::fromUtf8("Annuler cette impression ?"), this))
            cancelRequested_ = true; // the layout loop stops, detaches and hides
        return;
    }
    detach();
    hide();
}

void TFichePreview::closeEvent(QCloseEvent *event)
{
    if (state_ == State::Busy) {
        event->ignore();
        requestClose();
        return;
    }
    detach();
    event->accept();
}

void TFichePreview::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        action(Action::Close)->trigger();
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

bool TFichePreview::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize &&
        (zoomMode_ == ZoomMode::Fit || zoomMode_ == ZoomMode::Width) && !doc_.pages.empty())
        applyZoom(fitZoom(zoomMode_));
    return QMainWindow::eventFilter(watched, event);
}

void TFichePreview::setCurrentPage(int page)
{
    goTo(page);
}

void TFichePreview::goTo(int page)
{
    if (doc_.pages.empty())
        return;
    page_ = qBound(1, page, doc_.pageCount());
    {
        const QSignalBlocker block(pageBox_);
        pageBox_->setValue(page_);
    }
    scroll_->verticalScrollBar()->setValue(0);
    refreshView();
    updateButtons();
}

double TFichePreview::fitZoom(ZoomMode mode) const
{
    const QSizeF actual = view_->actualPixels();
    const QSize room = scroll_->viewport()->size() - QSize(2 * Gap, 2 * Gap);
    const double byWidth = room.width() / actual.width();
    const double byHeight = room.height() / actual.height();
    switch (mode) {
    case ZoomMode::Fit:
        return qMax(0.1, qMin(byWidth, byHeight));
    case ZoomMode::Width:
        return qMax(0.1, byWidth);
    case ZoomMode::Actual:
    case ZoomMode::Custom:
        break;
    }
    return 1.0;
}

void TFichePreview::setZoomMode(ZoomMode mode)
{
    zoomMode_ = mode;
    action(Action::ZoomFit)->setChecked(mode == ZoomMode::Fit);
    action(Action::Zoom100)->setChecked(mode == ZoomMode::Actual);
    action(Action::ZoomWidth)->setChecked(mode == ZoomMode::Width);
    applyZoom(fitZoom(mode));
}

void TFichePreview::applyZoom(double zoom)
{
    zoom_ = qBound(0.1, zoom, 4.0);
    {
        const QSignalBlocker block(zoomBox_);
        zoomBox_->setValue(qRound(zoom_ * 100));
    }
    refreshView();
}

void TFichePreview::refreshView()
{
    const Page *page = (page_ >= 1 && page_ <= doc_.pageCount()) ? &doc_.pages[size_t(page_ - 1)] : nullptr;
    view_->show(page, doc_.setup.paperMm(), zoom_);
}

void TFichePreview::print()
{
    if (state_ != State::Finished || doc_.pages.empty())
        return;
    QAction *button = action(Action::Print);
    button->setEnabled(false);
    const int copies = copiesBox_->value();
    for (int i = 0; i < copies; ++i)
        if (!printSink().print(doc_, this))
            break;
    button->setEnabled(true);
}

void TFichePreview::savePdf()
{
    if (state_ != State::Finished || doc_.pages.empty())
        return;
    const QString folder = data::appFolders().exports();
    if (!data::appFolders().root().isEmpty())
        QDir().mkpath(folder);
    QString path = ui::Dialogs::saveFile(QStringLiteral("Enregistrer en PDF"),
                                         QDir(folder).filePath(fileNameFor(title_)),
                                         QStringLiteral("Documents PDF (*.pdf)"), this);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    QString error;
    if (!writePdf(doc_, path, &error)) {
        ui::Messages::error(error, this);
        return;
    }
    statusBar()->showMessage(
        QString::fromUtf8("Document enregistré dans %1").arg(QDir::toNativeSeparators(path)), 5000);
}

} // namespace corvane::core::report
