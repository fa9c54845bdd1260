// "Save Item" with a name the profiles already hold: the line under the entry
// panel says where, and offers "Save Anyway" and "Go to Item"; a change of
// the name, Cancel or a save takes it away. The profile shown is looked in
// first, then the others as Find in All Profiles lists them.

#include "app/accessible_names.h"
#include "app/application.h"
#include "app/duplicate_line.h"
#include "app/enter_press.h"
#include "app/find_all_dialog.h"
#include "app/main_window.h"
#include "app/profile_list.h"
#include "app/same_name_search.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

void TForm1::CreateSameNameCheck()
{
    sameNames_ = std::make_unique<TSameNameIndex>();
    duplicateLine_ = new TDuplicateLine(this);
    duplicateLine_->Text()->setTextFormat(Qt::PlainText);
    for (QPushButton *button : {duplicateLine_->SaveAnyway(), duplicateLine_->GoToItem()}) {
        NameForScreenReader(*button, button->text());
        LetEnterPress(*button);
    }
    // Tab goes from "Save Item" to the line's buttons, then on as before.
    setTabOrder(bitBtn2_, duplicateLine_->SaveAnyway());
    setTabOrder(duplicateLine_->SaveAnyway(), duplicateLine_->GoToItem());
    setTabOrder(duplicateLine_->GoToItem(), bitBtn4_);
    connect(duplicateLine_->SaveAnyway(), &QPushButton::clicked, this,
            Guarded(&messages_, [this] { SaveEnteredItem(false); }));
    connect(duplicateLine_->GoToItem(), &QPushButton::clicked, this, Guarded(&messages_, [this] {
                duplicateLine_->hide();
                if (sameNameHit_)
                    ShowFoundItem({sameNameHit_->profile.path, sameNameHit_->item});
            }));
    connect(edit1_, &QLineEdit::textEdited, duplicateLine_, &QWidget::hide);
}

void TForm1::PrepareSameNameCheck()
{
    sameNames_->Prepare(KnownProfiles(*profiles_));
}

bool TForm1::WarnOfSameName()
{
    QList<TSearchedProfile> profiles = KnownProfiles(*profiles_);
    for (qsizetype i = 0; i < profiles.size(); ++i)
        if (IsSameProfileFile(profiles[i].path, CurrentProfilePath())) {
            profiles.move(i, 0);
            break;
        }
    const std::optional<TSameNameHit> hit = sameNames_->Find(profiles, edit1_->text());
    if (!hit) {
        duplicateLine_->hide();
        return false;
    }
    sameNameHit_ = std::make_shared<TSameNameHit>(*hit);
    duplicateLine_->Tell(SameNameWarning(*hit), *panel1_);
    return true;
}
