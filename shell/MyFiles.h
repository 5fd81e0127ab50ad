#pragma once

#include <QString>
#include <QStringList>

// The application's document file type, the filter of the Open dialog.
namespace MyFiles {

struct FileType {
    QString name;
    QStringList extensions;
    QString macCreator;
    QString macType;
};

const FileType& Bin();

// "MyBinFiles (*.bef *.ref)".
QString OpenDialogFilter(const FileType& type);

} // namespace MyFiles
