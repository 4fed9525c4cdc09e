#!/usr/bin/python3
"""A host for the Scanvo control in Python: loads libscanvo.so, creates the control by its ProgID,
wraps it as a PyQt6 widget, points it at a document and opens it.

    scanvo_host.py --library /usr/lib/libscanvo.so --root ~/Scans --doc box1/letters --type 2

With --check it opens the document, prints how many pages or files the control lists, and exits
(0 when the document opened, 1 otherwise) instead of showing the window to a person.
"""
import argparse
import ctypes
import sys

from PyQt6 import sip
from PyQt6.QtCore import QMetaObject, QTimer
from PyQt6.QtWidgets import QApplication, QListView, QMainWindow, QWidget


def create_control(library_path, parent):
    """The control as a QWidget child of parent; libscanvo owns nothing Python must free."""
    library = ctypes.CDLL(library_path)
    library.ScanvoCreateControl.restype = ctypes.c_void_p
    library.ScanvoCreateControl.argtypes = [ctypes.c_char_p, ctypes.c_void_p]
    address = library.ScanvoCreateControl(b"Scanvo.Imaging", sip.unwrapinstance(parent))
    if not address:
        raise RuntimeError("libscanvo does not know the ProgID Scanvo.Imaging")
    return sip.wrapinstance(address, QWidget)


def main():
    parser = argparse.ArgumentParser(description="Opens one document in the Scanvo control.")
    parser.add_argument("--library", default="libscanvo.so.0", help="path of libscanvo.so")
    parser.add_argument("--root", required=True, help="root directory of the documents (LocalPath)")
    parser.add_argument("--doc", required=True, help="document name below the root (DocName)")
    parser.add_argument("--type", type=int, default=-1, help="document type (DocType), -1 detects it")
    parser.add_argument("--check", action="store_true", help="open, report and exit")
    args = parser.parse_args()

    app = QApplication(sys.argv[:1])
    window = QMainWindow()
    window.setWindowTitle("Scanvo from Python")
    control = create_control(args.library, window)
    window.setCentralWidget(control)
    window.resize(1100, 760)

    # Only the control's automation interface: properties and its invokable methods.
    control.setProperty("LocalPath", args.root)
    control.setProperty("DocType", args.type)
    control.setProperty("DocName", args.doc)
    window.show()
    QMetaObject.invokeMethod(control, "SetDocument")

    if not args.check:
        return app.exec()

    def report():
        listed = control.findChild(QListView, "lvwFileList").model().rowCount()
        print(f"{args.doc}: {listed} entries listed")
        app.exit(0 if listed > 0 else 1)

    QTimer.singleShot(0, report)
    return app.exec()


if __name__ == "__main__":
    sys.exit(main())
