#include "core/params/ParamWidgets.h"

#include "core/params/ParamLogic.h"
#include "data/OpenedTable.h"
#include "data/Table.h"
#include "ui/FieldPicture.h"
#include "ui/ListEditor.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace corvane::core {

FieldSpinBox::FieldSpinBox(data::Table *table, const QString &field, int minimum, int maximum, int step,
                           QWidget *parent)
    : QSpinBox(parent)
    , binding_(new ui::FieldBinding(table, field, this, [this] { refresh(); }))
{
    setRange(minimum, maximum);
    setSingleStep(step);
    setAccelerated(false);
    setMinimumWidth(70);
    setMaximumWidth(90);
    connect(this, &QSpinBox::valueChanged, this, [this](int v) {
        if (!refreshing_ && !binding_->write(v))
            refresh();
    });
    refresh();
}

void FieldSpinBox::refresh()
{
    refreshing_ = true;
    const QVariant v = binding_->value();
    // A stored value outside the bounds shows at the nearest bound; it is
    // written only if the officer changes it.
    setValue(v.isNull() ? minimum() : std::clamp(v.toInt(), minimum(), maximum()));
    setEnabled(binding_->hasRecord());
    refreshing_ = false;
}

LogoBox::LogoBox(QWidget *parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumSize(120, 90);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Cliquez pour charger une image"));
}

bool LogoBox::setBytes(const QByteArray &bytes)
{
    QImage image;
    if (!bytes.isEmpty()) {
        image = QImage::fromData(bytes);
        if (image.isNull())
            return false;
    }
    bytes_ = bytes;
    image_ = image;
    update();
    return true;
}

void LogoBox::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    QPainter p(this);
    ui::paintFitted(p, contentsRect().adjusted(2, 2, -2, -2), image_);
}

void LogoBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

ReferenceChoice::ReferenceChoice(data::Table *reference, const QStringList &leading, QWidget *parent)
    : ChoiceComboBox(parent)
    , reference_(reference)
    , leading_(leading)
{
    refill();
    connect(this, &ChoiceComboBox::doubleClicked, this, [this] {
        if (reference_ && ui::hasListEditor()) {
            if (ui::openListEditor(*reference_, window()))
                refill();
        } else {
            showPopup();
        }
    });
}

void ReferenceChoice::refill()
{
    const QString shown = currentText();
    QStringList items = leading_;
    if (reference_) {
        data::OpenedTable t(reference_);
        data::ControlsDisabled quiet(*t);
        const auto mark = t->bookmark();
        const QString first = t->definition().fields.value(0).name;
        for (t->first(); !t->eof(); t->next()) {
            const QString s = t->asString(first);
            if (!items.contains(s))
                items << s;
        }
        t->gotoBookmark(mark);
    }
    const QSignalBlocker block(this);
    clear();
    addItems(items);
    setShownText(shown);
}

QFormLayout *paramForm(QWidget *owner)
{
    auto *f = new QFormLayout(owner);
    f->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return f;
}

QLabel *boldLabel(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QWidget *townRow(QWidget *code, QWidget *ville, const QString &finderName,
                 const std::function<void()> &choose)
{
    auto *box = new QWidget;
    auto *h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    code->setMaximumWidth(90);
    auto *find = new QToolButton(box);
    find->setObjectName(finderName);
    find->setText(QStringLiteral("..."));
    find->setToolTip(QStringLiteral("Choisir la ville dans la liste des codes postaux"));
    find->setFocusPolicy(Qt::NoFocus);
    QObject::connect(find, &QToolButton::clicked, find, choose);
    h->addWidget(code);
    h->addWidget(find);
    h->addWidget(new QLabel(QStringLiteral("Ville"), box));
    h->addWidget(ville, 1);
    return box;
}

namespace {

QWidget *contactGroup(const QString &title, const QString &who, const QString &listTable,
                      const ContactEditors &editors)
{
    auto *group = new QGroupBox(title);
    QFormLayout *f = paramForm(group);
    f->addRow(title, editors.name(who, listTable));
    f->addRow(QStringLiteral("Adresse"), editors.text(who + QStringLiteral("Adresse1")));
    f->addRow(QString(), editors.text(who + QStringLiteral("Adresse2")));
    f->addRow(QStringLiteral("Code postal"),
              editors.town(who + QStringLiteral("CodePostal"), who + QStringLiteral("Ville"), who));
    f->addRow(QStringLiteral("Téléphone"),
              editors.phone(who + QStringLiteral("Tel"), QStringLiteral("EffacerTel") + who,
                            QStringLiteral("Effacer N° téléphone")));
    f->addRow(QStringLiteral("Fax"),
              editors.phone(who + QStringLiteral("Fax"), QStringLiteral("EffacerFax") + who,
                            QStringLiteral("Effacer N° Fax")));
    f->addRow(QStringLiteral("Mail"), editors.mail(who + QStringLiteral("Mail"), who));
    f->addRow(QStringLiteral("Responsable 1"), editors.text(who + QStringLiteral("Responsable1")));
    f->addRow(QStringLiteral("Responsable 2"), editors.text(who + QStringLiteral("Responsable2")));
    return group;
}

} // namespace

QWidget *leagueContactsPage(const ContactEditors &editors)
{
    auto *page = new QWidget;
    auto *h = new QHBoxLayout(page);
    h->addWidget(
        contactGroup(QStringLiteral("Ligue"), QStringLiteral("Ligue"), QStringLiteral("Ligues"), editors), 1,
        Qt::AlignTop);
    h->addWidget(contactGroup(QStringLiteral("Comité"), QStringLiteral("District"),
                              QStringLiteral("Districts"), editors),
                 1, Qt::AlignTop);
    return page;
}

QGroupBox *logoGroup(QWidget *parent, const std::function<QWidget *(QGroupBox *group)> &picture,
                     const std::function<void()> &load, const std::function<void()> &remove)
{
    auto *group = new QGroupBox(QStringLiteral("Logo du club"), parent);
    auto *lv = new QVBoxLayout(group);
    QWidget *shown = picture(group);
    shown->setObjectName(QStringLiteral("Logo"));
    auto *charger = new QPushButton(QStringLiteral("Charger une image"), group);
    charger->setObjectName(QStringLiteral("ChargerLogo"));
    auto *supprimer = new QPushButton(QStringLiteral("Supprimer l'image"), group);
    supprimer->setObjectName(QStringLiteral("SupprimerLogo"));
    QObject::connect(charger, &QAbstractButton::clicked, charger, load);
    QObject::connect(supprimer, &QAbstractButton::clicked, supprimer, remove);
    lv->addWidget(shown, 1);
    lv->addWidget(charger);
    lv->addWidget(supprimer);
    lv->addStretch();
    return group;
}

void amountGrid(QGridLayout *grid, QWidget *labelParent, const std::vector<AmountField> &amounts,
                const std::function<QWidget *(const QString &field)> &editor)
{
    for (int i = 0; i < int(amounts.size()); ++i) {
        const int col = i < 8 ? 0 : 2;
        auto *label = new QLabel(amounts[i].label, labelParent);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, i % 8, col);
        grid->addWidget(editor(amounts[i].field), i % 8, col + 1);
    }
    grid->setColumnMinimumWidth(2, 160);
    grid->setColumnStretch(4, 1);
}

void accountGrid(QGridLayout *grid, QWidget *page)
{
    grid->addWidget(boldLabel(QStringLiteral("N° de compte"), page), 0, 1);
    grid->addWidget(boldLabel(QStringLiteral("Intitulé"), page), 0, 2);
    grid->addWidget(boldLabel(QStringLiteral("Banque"), page), 0, 3);
    auto *cashHead = boldLabel(QStringLiteral("Comptes en espèces\n(2 comptes maxi)"), page);
    cashHead->setAlignment(Qt::AlignCenter);
    grid->addWidget(cashHead, 0, 4);
    const QStringList rows{
        QStringLiteral("Compte habituel:"), QStringLiteral("2 ème compte (caisse par exemple):"),
        QStringLiteral("3 ème compte:"), QStringLiteral("4 ème compte:"), QStringLiteral("5 ème compte:")};
    for (int k = 1; k <= 5; ++k) {
        auto *label = new QLabel(rows[k - 1], page);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(label, k, 0);
    }
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(2, 3);
    grid->setColumnStretch(3, 3);
}

} // namespace corvane::core
