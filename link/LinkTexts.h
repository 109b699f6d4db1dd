#pragma once
// The link's user-visible texts, exactly as the gauge's users know them.

#include <QString>

namespace quorvel::texts {

inline const QString kCommErrorCaption = QStringLiteral("Comm Error");
inline const QString kConnectFailedCaption = QStringLiteral("Connection failed");
inline const QString kPortError = QStringLiteral("Comm port Error.\r\nPlease reset it.");
inline const QString kBusy = QStringLiteral("Last Comm task does not over.\r\nPlease waiting.");
inline const QString kNoInstrument = QStringLiteral("No instrument detected at the specified port");
inline const QString kRemoteError = QStringLiteral("Communication ERROR with remote device.\r\nPlease check.");
inline const QString kRetrying = QStringLiteral("  Communication Error, Re-trying...");
inline const QString kReceiving = QStringLiteral("  Receiving measurement data...");
inline const QString kDownloading = QStringLiteral("  Downloading The measurement data file...");
inline const QString kDisconnecting = QStringLiteral("Disconnecting...");
inline const QString kNotConnected = QStringLiteral("not connected");
inline const QString kNoConnect = QStringLiteral("No connect to instrument");
inline const QString kDownloadDoneCaption = QStringLiteral("File Download");
inline const QString kDownloadDone =
    QStringLiteral("The measurement data file stored in the instrument is downloaded successfully");

inline const QString kStart = QStringLiteral("START");
inline const QString kStartHint = QStringLiteral("START MEASUREMENT");
inline const QString kStop = QStringLiteral("STOP");
inline const QString kStopHint = QStringLiteral("Stop measurement");
inline const QString kConn = QStringLiteral("CONN");
inline const QString kConnHint = QStringLiteral("Connect to the Instrument");
inline const QString kDiscon = QStringLiteral("DISCON");
inline const QString kDisconHint = QStringLiteral("Disconnect ");

inline QString connectedText(const QString& portName)
{
    return QStringLiteral("  ") + portName + QStringLiteral(" Connected!");
}

} // namespace quorvel::texts

namespace quorvel::texts {

inline QString portOpenFailed(const QString& port, const QString& reason)
{
    return QStringLiteral("The serial port %1 could not be opened:\r\n%2\r\n\r\n"
                          "Check that the cable is plugged in and that no other program uses the port, "
                          "then press CONN again.")
        .arg(port, reason);
}

inline QString portLost(const QString& port, const QString& reason)
{
    return QStringLiteral("The serial port %1 stopped working:\r\n%2\r\n\r\n"
                          "The link has been closed; the readings received so far are kept. "
                          "Reconnect the cable and press CONN.")
        .arg(port, reason);
}

} // namespace quorvel::texts
