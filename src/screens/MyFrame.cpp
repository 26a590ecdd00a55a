#include "screens/MyFrame.h"

#include "screens/ListEditor.h"

#include <QApplication>
#include <QTreeView>

TThinkingFrame::TThinkingFrame(QWidget* owner, ScreenHost& host)
    : QFrame(owner), DeclarationRef(host.DeclarationRef()), host_(host) {
    setFrameShape(QFrame::NoFrame);
}

void TThinkingFrame::ShowLine(quint16 line) {
    if (TThinkingFrame* shown = ShownSubScreen()) shown->ShowLine(line);
}

void TThinkingFrame::ShowSubScreen(int, quint16 position) {
    ShowPosition(position);
}

void TThinkingFrame::CollectLists(QList<TListEditor*>& lists) const {
    lists += lists_;
    if (const TThinkingFrame* sub = ShownSubScreen()) sub->CollectLists(lists);
}

void TThinkingFrame::ReplaceChild(TThinkingFrame*& shown, TThinkingFrame* next) {
    if (shown && shown->isAncestorOf(QApplication::focusWidget())) setFocus();
    delete shown;
    shown = next;
}

void TThinkingFrame::SaveView(EditView& view) const {
    for (const TThinkingFrame* frame = this; frame; frame = frame->ShownSubScreen())
        if (frame->ShownSubScreen()) view.SubScreen = frame->ShownSubScreenKind();
    QList<TListEditor*> lists;
    CollectLists(lists);
    view.Rows.clear();
    for (const TListEditor* list : lists)
        view.Rows.append(list->CurrentRow());
    const QWidget* focus = QApplication::focusWidget();
    view.Focus = focus && isAncestorOf(focus) ? focus->objectName() : QString();
}

void TThinkingFrame::RestoreView(const EditView& view) {
    if (view.SubScreen >= 0 && ShownSubScreen() && ShownSubScreenKind() != view.SubScreen)
        OpenSubScreen(view.SubScreen);
    QList<TListEditor*> lists;
    CollectLists(lists);
    TListEditor* withRow = nullptr;
    for (int i = 0; i < lists.size() && i < view.Rows.size(); ++i) {
        lists[i]->SelectRow(view.Rows[i]);
        if (lists[i]->CurrentRow() >= 0) withRow = lists[i];
    }
    QWidget* focus = view.Focus.isEmpty() ? nullptr : findChild<QWidget*>(view.Focus);
    if (focus && focus->isVisible() && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
    else if (withRow)
        withRow->List()->setFocus(Qt::OtherFocusReason);
}
