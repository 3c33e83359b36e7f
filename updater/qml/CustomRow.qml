import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

Label {
    Layout.alignment: Qt.AlignHCenter
    Layout.fillWidth: true
    horizontalAlignment: Text.AlignHCenter
    color: "black"
    font.pixelSize: 16
    font.italic: true
    font.bold: true
}
