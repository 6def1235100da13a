"""A countdown ending with "运行程序": what the target box holds at that moment is started,
shown normally, in the program's own folder as current directory, and the program ends with
exit code 0 whether or not anything started.

The started programs are copies of the recorder (see action_support) below C:\\plumweir-e2e,
which each test removes, with whatever the program started, when it is done.
"""

import os
import shutil
import tempfile

from action_support import (RECORDER_NAME, WORK_FOLDER, end_countdown, install_recorder,
                            kill_prefix_processes, prefix_processes, program_folder, records,
                            remove_work_folder, unix_path, wait_for_records, windows_of)
from program import ACTION_INDEX, ProgramTestCase
from wine_session import WINE64, wait_until

RUN = ACTION_INDEX["运行程序"]


class RunProgramTest(ProgramTestCase):
    def setUp(self):
        super().setUp()
        remove_work_folder(self.session)
        self.addCleanup(remove_work_folder, self.session)
        self.addCleanup(kill_prefix_processes, self.session.config.prefix, RECORDER_NAME, "notepad.exe")

    def assertRanOnce(self, recorder):
        runs = wait_for_records(self.session, recorder, 1)
        self.assertEqual(len(runs), 1, "started once: %s" % (runs,))
        return runs[0]

    def test_starts_the_target_in_the_program_folder(self):
        recorder = WORK_FOLDER + "\\run\\" + RECORDER_NAME
        install_recorder(self.session, recorder)
        end_countdown(self, RUN, target=recorder)
        self.assertEqual(self.wait_exit(), 0, "the program ends with exit code 0")

        run = self.assertRanOnce(recorder)
        self.assertEqual(run.exe.lower(), recorder.lower(), "the recorder at the target's path ran")
        self.assertEqual(run.cwd.lower(), program_folder(self.session).lower(),
                         "with the program's folder as current directory")
        shown = wait_until(lambda: [w for w in windows_of(self.drive("windows"), RECORDER_NAME)
                                    if w["pid"] == run.pid and w["visible"]], 5)
        self.assertTrue(shown, "the started program's window is shown")

    def add_drive(self, letter):
        """Gives the prefix a drive whose root is a fresh Linux folder, for this test only; returns
        the folder."""
        root = tempfile.mkdtemp(prefix="plumweir-e2e-drive-")
        self.addCleanup(shutil.rmtree, root, ignore_errors=True)
        link = os.path.join(self.session.config.prefix, "dosdevices", letter.lower() + ":")
        os.symlink(root, link)  # fails if the prefix already has that drive
        self.addCleanup(os.remove, link)
        return root

    def test_a_program_at_a_drive_root_starts_the_target_in_that_root(self):
        # Started in another folder of the same drive: there "R:" alone names that folder, the
        # drive's current directory, not its root (from another drive it would mean R:\ anyway).
        root = self.add_drive("R")
        program = os.path.join(root, os.path.basename(self.session.config.exe))
        shutil.copyfile(self.session.config.exe, program)
        recorder = "R:\\" + RECORDER_NAME
        install_recorder(self.session, recorder)
        started_in = unix_path(self.session, "R:\\elsewhere")
        os.mkdir(started_in)
        self.start_program(program, folder=started_in)
        end_countdown(self, RUN, target=recorder)
        self.assertEqual(self.wait_exit(), 0, "the program ends with exit code 0")

        run = self.assertRanOnce(recorder)
        self.assertEqual((run.exe, run.cwd), (recorder, "R:\\"),
                         "the recorder at R:\\ ran in the program's folder, the drive's root")

    def assertStartsThatFileNotItsFirstWord(self, folder, first_word):
        recorder = WORK_FOLDER + "\\" + folder + "\\" + RECORDER_NAME
        decoy = WORK_FOLDER + "\\" + first_word + ".exe"  # what an unquoted path would start instead
        install_recorder(self.session, recorder)
        install_recorder(self.session, decoy)
        end_countdown(self, RUN, target=recorder)
        self.assertEqual(self.wait_exit(), 0, "the program ends with exit code 0")

        self.assertEqual(self.assertRanOnce(recorder).exe.lower(), recorder.lower())
        self.assertEqual(records(self.session, decoy), [], "the decoy did not run")

    def test_a_path_with_a_space_starts_that_file_not_its_first_word(self):
        self.assertStartsThatFileNotItsFirstWord("Recorder Space", "Recorder")

    def test_a_chinese_path_with_a_space(self):
        # GBK bytes in the target box, a double-byte folder name on both sides of the space.
        self.assertStartsThatFileNotItsFirstWord("工具 箱", "工具")

    def assertStartsNothing(self, before_ok, after_ok):
        recorder = WORK_FOLDER + "\\run\\" + RECORDER_NAME
        install_recorder(self.session, recorder)
        prefix = self.session.config.prefix
        before = prefix_processes(prefix)
        end_countdown(self, RUN, target=before_ok, target_after_ok=after_ok)
        self.assertEqual(self.wait_exit(), 0, "the program ends with exit code 0")
        started = {pid: command for pid, command in prefix_processes(prefix).items() if pid not in before}
        self.assertEqual(started, {}, "no process was started")
        self.assertEqual(records(self.session, recorder), [], "the recorder did not run")

    def test_a_target_emptied_during_the_countdown_starts_nothing(self):
        # OK refuses an empty target; what counts is the text when the countdown ends.
        self.assertStartsNothing(WORK_FOLDER + "\\run\\" + RECORDER_NAME, "")

    def test_a_missing_file_starts_nothing(self):
        self.assertStartsNothing(WORK_FOLDER + "\\run\\missing.exe", None)

    def test_a_document_opens_in_its_program(self):
        # A fresh prefix knows "txtfile" (notepad) but does not map .txt to it.
        self.addCleanup(self.session.run, [WINE64, "reg", "delete", "HKCR\\.txt", "/f"])
        code, output = self.session.run([WINE64, "reg", "add", "HKCR\\.txt", "/ve", "/d", "txtfile", "/f"])
        self.assertEqual(code, 0, output)
        document = WORK_FOLDER + "\\readme note.txt"
        os.makedirs(os.path.dirname(unix_path(self.session, document)), exist_ok=True)
        with open(unix_path(self.session, document), "w") as text:
            text.write("opened at the end of a countdown\n")

        end_countdown(self, RUN, target=document)
        self.assertEqual(self.wait_exit(), 0, "the program ends with exit code 0")
        notepad = wait_until(lambda: [w for w in windows_of(self.drive("windows"), "notepad.exe")
                                      if w["visible"] and b"readme note.txt" in w["title"]], 10)
        self.assertTrue(notepad, "notepad shows the document")

