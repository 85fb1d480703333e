#!/usr/bin/env python3
"""The parent's page in a real browser against the real program.

Starts build/src/timeward (offscreen) on a data folder of its own with the page on, then a
headless Chromium at phone size logs in as a parent on https://127.0.0.1:<port>/, reads Bob's
time left and gives him 15 minutes. Then Bob asks for more time, and the parent approves 30
minutes on the page; twreg reads the store: Bob's time grows by both. Where Xvfb and xdotool are
installed the program runs on a display of its own and Bob logs in at its login window and asks
with his status window's "Ask for More Time…", as a child does; elsewhere (offscreen) his request
is written through twreg, as another copy of TimeWard writes it. Where no browser is installed it
says so in one line and ends with 77, which CTest counts as skipped.

Usage: browser_test.py BUILD_DIR
"""
import os
import re
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77


def skip(why):
    print("browser test skipped: " + why)
    sys.exit(SKIP)


try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.support import expected_conditions as EC
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    skip("python3-selenium is not installed")

CHROMIUM = shutil.which("chromium")
DRIVER = shutil.which("chromedriver")
if not CHROMIUM or not DRIVER:
    skip("chromium and chromium-driver are not installed")


def stored(pw):  # the password's stored form: each character XOR "plumbek7", as hex
    key = b"plumbek7"
    return "".join("%02X" % (ord(c) ^ key[i % 8]) for i, c in enumerate(pw))


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def store_file(path, port):
    today = time.strftime("%m/%d/%Y").lstrip("0").replace("/0", "/")
    config = {
        "LoadedBefore": "1", "Current Number Of Users": "2", "TimerInterval": "1000", "ShowSplash": "0",
        "Load On Startup": "0", "LogEnable": "1", "LogTS": "1", "LogELogin": "1", "LogELogout": "1",
        "LogTimeStamp": "1", "LogUse": "Both", "BadShutdownWarn": "0", "ForceLogin": "0", "LoginTimer": "0",
        "AsService": "False", "ParentPage": "1", "ParentPagePort": str(port),
    }
    users = [("Mum", "mumpw", "1", "Daily", ("2", "0", "0"), ("2", "00", "00")),
             ("Bob", "bobpw", "0", "Daily", ("1", "0", "0"), ("0", "30", "00"))]
    lines = ["TimeWard registry export 1", "[HKEY_LOCAL_MACHINE\\Software\\TimeWard\\Compatability]"]
    lines += ['"%s"="True"' % step for step in ("1.1", "0.9.2", "0.9.5", "0.9.6", "0.9.7", "0.9.7x", "0.9.7x2",
                                              "0.9.7x3", "0.9.9c", "0.9.9d", "0.9.9g", "1.0.0", "1.0.3", "1.1.1")]
    lines.append("[HKEY_LOCAL_MACHINE\\Software\\TimeWard\\Config]")
    lines += ['"%s"="%s"' % kv for kv in config.items()]
    for n, (name, pw, parent, based, allowed, free) in enumerate(users, 1):
        lines.append("[HKEY_LOCAL_MACHINE\\Software\\TimeWard\\Users\\%d]" % n)
        values = {"Number": str(n), "Name": name, "Password": stored(pw), "ParentRights": parent,
                  "Time Based On": based, "Ammount Hours": allowed[0], "Ammount Minutes": allowed[1],
                  "Ammount Seconds": allowed[2], "FreeHours": free[0], "FreeMin": free[1], "FreeSec": free[2],
                  "Opt Single": "1", "Opt Mult": "0", "Take Action": "1",
                  "Take Action Do": "Display Time Ward Login", "LastStartDate": today}
        lines += ['"%s"="%s"' % kv for kv in values.items()]
    # Bob's last days, for the usage chart.
    lines.append("[HKEY_LOCAL_MACHINE\\Software\\TimeWard\\History\\Bob]")
    now = time.time()
    for back, minutes in enumerate([0, 55, 62, 40, 75, 58, 30, 61, 45, 50]):
        if minutes:
            day = time.strftime("%Y-%m-%d", time.localtime(now - back * 86400))
            lines.append('"%s"="%d"' % (day, minutes * 60))
    with open(path, "w") as f:
        f.write("\n".join(lines) + "\n")


class Desktop:
    """The program's own X display (Xvfb), where xdotool types as a person would."""

    def __init__(self, env):
        self.env = env
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-nolisten", "tcp", "-noreset", "-screen",
                                      "0", "1280x800x24"], pass_fds=(write,), stdout=subprocess.DEVNULL,
                                     stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as f:
            number = f.readline().strip()
        if not number.isdigit():
            self.close()
            raise OSError("Xvfb gave no display")
        env["DISPLAY"] = ":" + number
        env["QT_QPA_PLATFORM"] = "xcb"

    def close(self):
        self.xvfb.terminate()
        try:
            self.xvfb.wait(10)
        except subprocess.TimeoutExpired:
            self.xvfb.kill()

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True).stdout.strip()

    def window(self, title, seconds=30):
        deadline = time.time() + seconds
        while time.time() < deadline:
            found = self.xdotool("search", "--onlyvisible", "--name", "^%s$" % re.escape(title)).split()
            if found:
                return found[-1]
            time.sleep(0.2)
        raise RuntimeError('no window "%s"' % title)

    def keys(self, title, *keys):
        w = self.window(title)
        self.xdotool("windowfocus", "--sync", w)
        self.xdotool("key", "--delay", "80", *keys)

    def type(self, title, text):
        w = self.window(title)
        self.xdotool("windowfocus", "--sync", w)
        self.xdotool("type", "--delay", "40", text)


def main():
    build = os.path.abspath(sys.argv[1])
    timeward = os.path.join(build, "src", "timeward")
    twreg = os.path.join(build, "tools", "twreg", "twreg")
    work = tempfile.mkdtemp(prefix="tw-browser-")
    env = dict(os.environ)
    env.update({
        "TIMEWARD_HOME": os.path.join(work, "data"), "HOME": os.path.join(work, "home"),
        "XDG_CONFIG_HOME": os.path.join(work, "home", ".config"),
        "XDG_DATA_HOME": os.path.join(work, "home", ".local", "share"),
        "XDG_RUNTIME_DIR": os.path.join(work, "run"), "QT_QPA_PLATFORM": "offscreen", "LANG": "C.UTF-8",
        "DBUS_SESSION_BUS_ADDRESS": "unix:path=" + os.path.join(work, "no-bus"),
        "DBUS_SYSTEM_BUS_ADDRESS": "unix:path=" + os.path.join(work, "no-bus"),
    })
    for d in ("data", "home", "run"):
        os.makedirs(os.path.join(work, d), mode=0o700)
    port = free_port()
    store_file(os.path.join(work, "store.reg"), port)
    subprocess.run([twreg, "import", os.path.join(work, "store.reg")], env=env, check=True, stdout=subprocess.DEVNULL)

    def values(key):
        out = subprocess.run([twreg, "query", "HKLM\\Software\\TimeWard\\" + key], env=env, check=True,
                             capture_output=True, text=True).stdout
        return dict(re.findall(r"^\s+(\S+)\s+REG_\w+\s+(.*)$", out, re.M))

    def free_time():
        v = values("Users\\2")
        return int(v["FreeHours"]) * 3600 + int(v["FreeMin"]) * 60 + int(v["FreeSec"])

    def ask_for_more_time(request_id, minutes, reason):
        # Bob's request as the status window stores it; "State" last, so it is seen whole.
        key = "HKLM\\Software\\TimeWard\\Requests\\%d" % request_id
        asked = time.strftime("%m/%d/%Y %I:%M:%S %p").lstrip("0").replace("/0", "/").replace(" 0", " ")
        for name, value in (("User", "Bob"), ("Minutes", str(minutes)), ("Reason", reason), ("Asked", asked),
                            ("State", "Open")):
            subprocess.run([twreg, "add", key, "/v", name, "/t", "REG_SZ", "/d", value, "/f"], env=env, check=True,
                           stdout=subprocess.DEVNULL)

    def wait_for(test, seconds=10):
        deadline = time.time() + seconds
        while not test() and time.time() < deadline:
            time.sleep(0.2)
        return test()

    desktop = None
    if shutil.which("Xvfb") and shutil.which("xdotool"):
        try:
            desktop = Desktop(env)
        except OSError:
            desktop = None

    def ask_from_status_window(reason):
        # Bob logs in; his status window comes up with the session.
        desktop.keys("Time Ward Login", "ctrl+a")
        desktop.type("Time Ward Login", "Bob")
        desktop.keys("Time Ward Login", "Tab")
        desktop.type("Time Ward Login", "bobpw")
        desktop.keys("Time Ward Login", "Return")
        desktop.keys("User Statistics", "alt+m")
        desktop.keys("Ask for More Time", "alt+r")  # 15 minutes, the dialog's choice, and a reason
        desktop.type("Ask for More Time", reason)
        desktop.keys("Ask for More Time", "Return")
        desktop.keys("TimeWard", "Return")  # the box that says the request went through

    program = subprocess.Popen([timeward], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    driver = None
    try:
        deadline = time.time() + 30
        while True:
            try:
                socket.create_connection(("127.0.0.1", port), timeout=1).close()
                break
            except OSError:
                if time.time() > deadline or program.poll() is not None:
                    print("browser test: the page did not open on port %d" % port)
                    return 1
                time.sleep(0.2)

        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--no-first-run", "--disable-extensions",
                  "--disable-default-apps", "--ignore-certificate-errors", "--window-size=412,915",
                  "--user-data-dir=" + os.path.join(work, "chromium")):
            options.add_argument(a)
        driver = webdriver.Chrome(service=Service(DRIVER), options=options)
        # A phone's screen, whatever the smallest window headless Chromium allows.
        driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                               {"width": 412, "height": 915, "deviceScaleFactor": 1, "mobile": True})
        wait = WebDriverWait(driver, 20)
        driver.get("https://127.0.0.1:%d/" % port)
        wait.until(EC.visibility_of_element_located((By.ID, "name"))).send_keys("Mum")
        driver.find_element(By.ID, "password").send_keys("bobpw")
        driver.find_element(By.ID, "loginButton").click()
        wait.until(lambda d: d.find_element(By.ID, "loginInfo").text != "")  # a wrong password is refused
        driver.find_element(By.ID, "password").send_keys("mumpw")
        driver.find_element(By.ID, "loginButton").click()
        bob = wait.until(EC.visibility_of_element_located((By.CSS_SELECTOR, '.user[data-user="Bob"]')))
        left = bob.find_element(By.CLASS_NAME, "left").text
        before = free_time()
        if not re.fullmatch(r"0:(29|30):\d\d", left) or before > 1800:
            print("browser test: Bob's time left reads %r, the store holds %d s" % (left, before))
            return 1
        bob.find_element(By.CSS_SELECTOR, 'button[data-minutes="15"]').click()
        wait_for(lambda: free_time() >= before + 15 * 60)
        after = free_time()
        if after != before + 15 * 60:
            print("browser test: Bob had %d s, after +15 the store holds %d s" % (before, after))
            return 1
        wait.until(lambda d: d.find_element(By.CSS_SELECTOR, '.user[data-user="Bob"] .left').text.startswith("0:4"))

        # Bob asks for more time; the page shows the request at its next refresh, and the parent
        # approves 30 minutes. Logged in, Bob's clock runs: a few of his seconds are spent meanwhile.
        if desktop:
            try:
                ask_from_status_window("homework")
            except RuntimeError as e:
                print("browser test: Bob could not ask from his status window: %s" % e)
                return 1
            asked = "from his status window"
        else:
            ask_for_more_time(1, 15, "homework")
            asked = "through the store"
        request = wait.until(EC.visibility_of_element_located((By.CSS_SELECTOR, '.request[data-id="1"]')))
        if "Bob asks for 15 minutes" not in request.text or "homework" not in request.text:
            print("browser test: the request reads %r" % request.text)
            return 1
        shot = os.environ.get("TIMEWARD_PAGE_SCREENSHOT")
        if shot:
            driver.save_screenshot(shot)
        request.find_element(By.CSS_SELECTOR, 'button.approve[data-minutes="30"]').click()
        wait_for(lambda: values("Requests\\1").get("State") == "Approved")
        answered = values("Requests\\1")
        both = free_time()
        spent = before + 45 * 60 - both
        if answered.get("State") != "Approved" or answered.get("Answer") != "30" or not 0 <= spent <= 60:
            print("browser test: after approving 30 minutes the request reads %r and Bob has %d s (had %d s)"
                  % (answered, both, before))
            return 1
        wait.until(EC.invisibility_of_element_located((By.CSS_SELECTOR, '.request[data-id="1"]')))
        print("browser test: a parent logged in, read Bob's %s, gave him 15 minutes and approved 30 for the "
              "request he made %s" % (left, asked))
        return 0
    finally:
        if driver:
            driver.quit()
        program.send_signal(signal.SIGTERM)
        try:
            program.wait(10)
        except subprocess.TimeoutExpired:
            program.kill()
            program.wait()
        if desktop:
            desktop.close()
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
