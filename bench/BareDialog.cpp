// pivora-bare-dialog: the start-up probe's yardstick. A plain Qt dialog
// with as many widgets as the console (push buttons in a grid) that opens
// the same kind of line and writes one frame on it in the console's order:
// the 5 ms timer started before the window is shown, the window painted
// once the frame is written. Then it idles until ended.
#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QSerialPort>
#include <QTimer>
#include <cmath>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A bare dialog that writes one frame: the start-up probe's yardstick."));
    parser.addHelpOption();
    QCommandLineOption portOption(QStringLiteral("port"), QStringLiteral("Serial device to write the frame to."),
                                  QStringLiteral("PATH"));
    QCommandLineOption widgetsOption(QStringLiteral("widgets"), QStringLiteral("Widgets in all, the dialog included."),
                                     QStringLiteral("N"), QStringLiteral("120"));
    parser.addOption(portOption);
    parser.addOption(widgetsOption);
    parser.process(app);

    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    const int buttons = std::max(parser.value(widgetsOption).toInt() - 1, 0);
    const int columns = std::max(1, static_cast<int>(std::ceil(std::sqrt(buttons * 2.0))));
    auto* grid = new QGridLayout(&dialog);
    for (int i = 0; i < buttons; ++i)
        grid->addWidget(new QPushButton(QString::number(i + 1), &dialog), i / columns, i % columns);

    QSerialPort port;
    port.setPortName(parser.value(portOption));
    if (!port.open(QIODevice::ReadWrite))
        return 3;
    port.setBaudRate(9600);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(QSerialPort::NoParity);
    port.setStopBits(QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);

    // As the console: the request timer starts before the window is shown,
    // and the window is first painted once the frame is on the line.
    QTimer::singleShot(5, &dialog, [&port, &dialog] {
        // "A?" to the broadcast address in the 0xF8 mode, as the console's first request.
        const char frame[] = {'\xF8', '\xFF', 'A', '?', '\x81'};
        port.write(frame, sizeof frame);
        port.flush();
        dialog.setUpdatesEnabled(true);
    });
    dialog.setUpdatesEnabled(false);
    dialog.show();
    return app.exec();
}
