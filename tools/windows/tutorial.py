"""The tutorial's question: whether to skip the rest of it (its steps themselves are made by
tools/make_tutorial_data.py)."""
from wlib import *
from level import NEUTRAL_M, PRIMARY_M, question


def windows():
    write(WINDOWS + "/Confirm_Skip_Tutorial.xml",
          question("Confirm_Skip_Tutorial", "tutorial_skip_question", "tutorial_skip_detail",
                   [(3, PRIMARY_M, "tutorial_skip_yes", False), (4, NEUTRAL_M, "tutorial_skip_no", True)],
                   "icon_hint_48.png"))
    return ["Confirm_Skip_Tutorial"]
