#include "platform/qt/QtPrompter.h"

#include "platform/core/FileFilter.h"
#include "platform/core/Paths.h"

#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>

namespace platform {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QString TitleFor(const MessageRequest& request)
{
    if (!request.caption.empty())
        return Q(request.caption);
    return request.kind == BoxKind::Captioned ? QString::fromUtf8(kWorkstationCaption)
                                              : Q(ApplicationTitle());
}

QMessageBox::Icon IconFor(BoxIcon icon)
{
    switch (icon) {
    case BoxIcon::None: return QMessageBox::NoIcon;
    case BoxIcon::Information: return QMessageBox::Information;
    case BoxIcon::Question: return QMessageBox::Question;
    case BoxIcon::Exclamation: return QMessageBox::Warning;
    case BoxIcon::Error: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

} // namespace

BoxAnswer QtPrompter::Message(const MessageRequest& request)
{
    QMessageBox box(IconFor(request.icon), TitleFor(request), Q(request.text),
                    QMessageBox::NoButton, request.parent);
    // The first button is the default one, as in the boxes the module was written for.
    switch (request.buttons) {
    case BoxButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case BoxButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Ok);
        break;
    case BoxButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case BoxButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok: return BoxAnswer::Ok;
    case QMessageBox::Yes: return BoxAnswer::Yes;
    case QMessageBox::No: return BoxAnswer::No;
    default: break;
    }
    // Closing a Yes/No box with Escape means No; every other box means Cancel.
    return request.buttons == BoxButtons::YesNo ? BoxAnswer::No
         : request.buttons == BoxButtons::Ok    ? BoxAnswer::Ok
                                                : BoxAnswer::Cancel;
}

std::vector<std::string> QtPrompter::ChooseFiles(const FileRequest& request)
{
    QFileDialog dialog(request.parent, Q(request.title), Q(request.folder));
    switch (request.mode) {
    case FileRequest::Mode::OpenOne: dialog.setFileMode(QFileDialog::ExistingFile); break;
    case FileRequest::Mode::OpenMany: dialog.setFileMode(QFileDialog::ExistingFiles); break;
    case FileRequest::Mode::Save:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        if (!request.fileName.empty())
            dialog.selectFile(Q(JoinPath(request.folder, request.fileName)));
        break;
    }
    // Set before the filters: the list then shows each filter's own text only.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    QStringList filters;
    for (const std::string& filter : QtNameFilters(request.filter))
        filters << Q(filter);
    if (!filters.isEmpty())
        dialog.setNameFilters(filters);
    if (!request.defaultSuffix.empty())
        dialog.setDefaultSuffix(Q(request.defaultSuffix));

    std::vector<std::string> chosen;
    if (dialog.exec() != QDialog::Accepted)
        return chosen;
    for (const QString& file : dialog.selectedFiles())
        chosen.push_back(file.toStdString());
    return chosen;
}

std::string QtPrompter::BrowseFolder(const FolderRequest& request)
{
    const QString folder =
        QFileDialog::getExistingDirectory(request.parent, Q(request.title), Q(request.folder));
    if (folder.isEmpty())
        return {};
    return EnsureTrailingSlash(folder.toStdString());
}

bool QtPrompter::InputText(const InputRequest& request, std::string& text)
{
    QInputDialog dialog(request.parent);
    dialog.setWindowTitle(Q(request.caption.empty() ? std::string(kWorkstationCaption) : request.caption));
    dialog.setLabelText(Q(request.label));
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(Q(request.text));
    if (request.secret)
        dialog.setTextEchoMode(QLineEdit::Password);
    if (request.maxLength > 0) {
        // The line edit exists once the input mode is set.
        if (auto* edit = dialog.findChild<QLineEdit*>())
            edit->setMaxLength(request.maxLength);
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.textValue().toStdString();
    return true;
}

} // namespace platform
