// The baseline of the start-up benchmark: a bare Qt dialog with one label and one field in
// the Fusion style, from a program of its own that links nothing but Qt Widgets. Like
// Caddora it leaves the choice of the platform theme to Qt, so both pay for the same one.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare"));
    dialog.resize(268, 288);
    QLabel label(QStringLiteral("Distance"), &dialog);
    label.move(10, 10);
    QLineEdit field(&dialog);
    field.move(10, 30);
    field.setFocus();
    dialog.exec();
    return 0;
}
