"""Three journeys through the editor using nothing but its accessibility tree and the keyboard, as a screen reader
user makes them: open a SATCODX file from File > Open, rename a channel in its property dialog, Save as. The saved
file is then checked with vorlane-cli.

    accessibility_journeys.py <vorlane> <vorlane-cli> <channels.sdx> <work folder>

Run inside a private D-Bus session on a virtual X server (accessibility_journeys.sh sets that up)."""

import csv
import functools
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Gio, GLib

WAIT_SECONDS = 90  # a shared two-core CI machine can be very slow to draw a dialog
CHANNEL = "Aurora Sport"
NEW_NAME = "Screen Reader TV"


class JourneyFailed(Exception):
    pass


def wait_for(what, find, seconds=WAIT_SECONDS):
    """Polls find() until it gives something; the tree changes under us, so a failed read is a retry."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = find()
        except (SystemExit, JourneyFailed):  # the editor is gone, or an inner wait has given up
            raise
        except Exception:  # pylint: disable=broad-except
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise JourneyFailed("timed out waiting for " + what)
        time.sleep(0.1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def children(node):
    return [c for c in (node.getChildAtIndex(i) for i in range(node.childCount)) if c is not None]


def find(root, role, name=None, into_lists=False):
    """The first showing node below root with this role and name (None: any name), breadth first."""
    queue = [root]
    while queue:
        node = queue.pop(0)
        for child in children(node):
            if child.getRole() == role and (name is None or child.name == name) and showing(child):
                return child
            if into_lists or child.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE):
                queue.append(child)
    return None


@functools.cache
def accessibility_bus():
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                              GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, -1)
    flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
    return Gio.DBusConnection.new_for_address_sync(reply.unpack()[0], flags)


def find_focused(root):
    """The node below root that has the keyboard focus, rows of lists included."""
    queue = [root]
    while queue:
        node = queue.pop(0)
        for child in children(node):
            if child.getState().contains(pyatspi.STATE_FOCUSED):
                return child
            queue.append(child)
    return None


def do_action(node, action):
    """Sends the action without waiting for its answer: Qt answers an action that opens a modal dialog only when
    the dialog has closed. The journeys poll the tree for the outcome instead."""
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    if action not in names:
        raise JourneyFailed(f"{node.getRoleName()} {node.name!r} has no action {action}, only {names}")
    call = Gio.DBusMessage.new_method_call(node.app.bus_name, node.path, "org.a11y.atspi.Action", "DoAction")
    call.set_body(GLib.Variant("(i)", (names.index(action),)))
    call.set_flags(Gio.DBusMessageFlags.NO_REPLY_EXPECTED)
    accessibility_bus().send_message(call, Gio.DBusSendMessageFlags.NONE)


def press_key(keysym_name):
    keysyms = {"Return": 0xFF0D, "Tab": 0xFF09, "Down": 0xFF54}
    pyatspi.Registry.generateKeyboardEvent(keysyms[keysym_name], None, pyatspi.KEY_SYM)


def dump(node, depth=0):
    """The tree as a screen reader sees it, for the failure message."""
    try:
        line = f"{'  ' * depth}[{node.getRoleName()}] {node.name!r}"
    except Exception:  # pylint: disable=broad-except
        return
    print(line)
    if node.getRole() not in (pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE) or depth < 2:
        for child in children(node):
            dump(child, depth + 1)


class Editor:
    def __init__(self, program, work):
        self.process = subprocess.Popen([program], cwd=work)
        self.app = None

    def wait_until_started(self):
        self.app = wait_for("the editor on the accessibility bus", self._application)

    def _application(self):
        if self.process.poll() is not None:
            raise JourneyFailed(f"the editor ended at start with status {self.process.returncode}")
        for app in children(pyatspi.Registry.getDesktop(0)):
            if app.name == "Vorlane" and app.get_process_id() == self.process.pid:
                return app
        return None

    def frame(self):
        return wait_for("the main window", lambda: find(self.app, pyatspi.ROLE_FRAME))

    def window_named(self, role, name):
        return wait_for(f"the window {name!r}", lambda: find(self.app, role, name))

    def menu_command(self, menu_name, item_name):
        """Opens a menu of the menu bar and presses one of its items."""
        bar = wait_for("the menu bar", lambda: find(self.frame(), pyatspi.ROLE_MENU_BAR))
        menu = wait_for(f"the menu {menu_name!r}", lambda: find(bar, pyatspi.ROLE_MENU_ITEM, menu_name))
        do_action(menu, "ShowMenu")
        item = wait_for(f"{menu_name} > {item_name}", lambda: find(menu, pyatspi.ROLE_MENU_ITEM, item_name))
        do_action(item, "Press")

    def choose_file(self, title, path, button):
        """Types the path into the file dialog's "File name:" field and presses its button."""
        dialog = self.window_named(pyatspi.ROLE_DIALOG, title)
        field = wait_for("the file name field", lambda: find(dialog, pyatspi.ROLE_TEXT, "File name:"))
        field.queryEditableText().setTextContents(path)
        do_action(wait_for(f"the {button} button", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, button)), "Press")

    def pane(self, name):
        return wait_for(f"the pane {name!r}", lambda: find(self.frame(), pyatspi.ROLE_LIST, name))

    def row(self, pane_name, text):
        return wait_for(f"the row {text!r} in {pane_name}",
                        lambda: find(self.pane(pane_name), pyatspi.ROLE_LIST_ITEM, text, into_lists=True))

    def press_until_focused(self, key, within, node, what, presses):
        """Presses key until node has the keyboard focus, each time waiting for the focus to move on."""
        for _ in range(presses):
            focus = find_focused(within)
            if focus is not None and focus.path == node.path:
                return
            press_key(key)
            wait_for(f"the focus to move from {focus.name if focus else None!r} with {key}",
                     lambda focus=focus: getattr(find_focused(within), "path", None) != getattr(focus, "path", None))
        raise JourneyFailed(f"{key} never reached {what}")

    def close(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(timeout=20)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def open_satcodx(editor, sdx):
    editor.menu_command("File(F)", "Open")
    editor.choose_file("Open", sdx, "Open")
    wait_for("the title naming the opened file", lambda: os.path.basename(sdx) in editor.frame().name)
    editor.row("TV", CHANNEL)


def rename_channel(editor):
    tv = editor.pane("TV")
    editor.press_until_focused("Tab", editor.frame(), tv, "the TV pane", 60)
    # Down moves to the next row, the way a screen reader user walks a list.
    editor.press_until_focused("Down", tv, editor.row("TV", CHANNEL), f"the row {CHANNEL!r}", tv.childCount)
    press_key("Return")
    dialog = editor.window_named(pyatspi.ROLE_DIALOG, "Channel Property")
    name = wait_for("the Name field", lambda: find(dialog, pyatspi.ROLE_TEXT, "Name"))
    name.queryEditableText().setTextContents(NEW_NAME)
    do_action(wait_for("the OK button", lambda: find(dialog, pyatspi.ROLE_PUSH_BUTTON, "OK")), "Press")
    editor.row("TV", NEW_NAME)


def save_as(editor, path):
    editor.menu_command("File(F)", "Save as")
    editor.choose_file("Save as", path, "Save")
    done = wait_for("the message that the file is written", lambda: find(editor.app, pyatspi.ROLE_ALERT))
    wait_for("its text", lambda: find(done, pyatspi.ROLE_LABEL, "Complete to write file."))
    do_action(find(done, pyatspi.ROLE_PUSH_BUTTON, "OK"), "Press")
    wait_for("the message closed", lambda: find(editor.app, pyatspi.ROLE_ALERT) is None)


def check_saved_file(cli, path, work):
    subprocess.run([cli, "check", path], check=True, timeout=60)
    listing = os.path.join(work, "listing.csv")
    subprocess.run([cli, "export", "--format", "csv", path, listing], check=True, timeout=60)
    with open(listing, encoding="utf-8") as rows:
        names = [row["Name"] for row in csv.DictReader(rows) if row["Type"] == "TV"]
    if NEW_NAME not in names or CHANNEL in names:
        raise JourneyFailed(f"the saved file's TV channels are {names}")


def main():
    program, cli, sdx, work = (os.path.abspath(arg) for arg in sys.argv[1:5])
    os.makedirs(work, exist_ok=True)
    saved = os.path.join(work, "renamed.bin")
    editor = Editor(program, work)
    step = "start"
    try:
        editor.wait_until_started()
        for step, journey in (("open", lambda: open_satcodx(editor, sdx)),
                              ("rename", lambda: rename_channel(editor)), ("save as", lambda: save_as(editor, saved))):
            journey()
            print("journey done:", step)
        step = "check"
        check_saved_file(cli, saved, work)
    except (JourneyFailed, subprocess.CalledProcessError, subprocess.TimeoutExpired) as error:
        print(f"FAILED in {step}: {error}")
        if editor.app is not None:
            print("The accessibility tree:")
            dump(editor.app)
        return 1
    finally:
        editor.close()
    print("all journeys done; the saved file holds", repr(NEW_NAME))
    return 0


if __name__ == "__main__":
    sys.exit(main())
