#!/usr/bin/python3
"""Measures Tavola as a pupil sees and hears it, beside floors that do the
same visible work, from outside the processes: the screen through the X
DAMAGE extension, keys through XTest, sound from the null sink's monitor,
CPU from the scheduler and memory from smaps_rollup. Game and floor take
turns (A B A B); it prints medians, ranges and pair-by-pair ratios beside
the targets, and no verdicts. bench/run starts the servers it needs."""

import argparse
import array
import os
import re
import resource
import select
import statistics
import subprocess
import sys
import threading
import time
import wave
from decimal import Decimal

import pyatspi
from Xlib import X, XK, display as xdisplay
from Xlib.ext import xtest

RATE = 44100
LOUD = 1000  # a sample beyond this is heard
MAIN_TITLE = 'Gioca con le moltiplicazioni'
BOX_TITLE = 'Tavola'
QUIET = 0.2  # a window is on screen once it has painted nothing for this long


def now():
    return time.monotonic()


class Screen:
    """The private display: every new window is watched for damage, and keys
    are typed with XTest."""

    def __init__(self):
        self.d = xdisplay.Display()
        self.d.set_error_handler(lambda *args: None)  # a window gone before it was watched
        self.d.damage_query_version()
        self.damage_event = self.d.extension_event.DamageNotify
        self.d.screen().root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.damage = []  # (time, window id, (x, y, w, h)) in order
        self.titles = {}
        self.first_paint = {}  # window id -> its first paint; ids come back after a program ends
        self.d.sync()

    def pump(self, until):
        """Notes the events that arrive before the time `until`."""
        while True:
            ready = self.d.pending_events()
            t = now()
            for _ in range(ready):
                self._note(self.d.next_event(), t)
            if ready:
                self.d.flush()
            left = until - now()
            if left <= 0:
                return
            select.select([self.d], [], [], left)

    def _note(self, event, t):
        if event.type == X.CreateNotify:
            event.window.damage_create(0)  # raw rectangles: one event per paint
            self.first_paint.pop(event.window.id, None)
            self.titles.pop(event.window.id, None)
        elif event.type == self.damage_event:
            a = event.area
            self.damage.append((t, event.drawable.id, (a.x, a.y, a.width, a.height)))
            self.first_paint.setdefault(event.drawable.id, t)

    def title(self, wid):
        # A window is painted only once mapped, and by then it has its title.
        if wid not in self.titles:
            window = self.d.create_resource_object('window', wid)
            try:
                name = window.get_full_property(self.d.intern_atom('_NET_WM_NAME'), 0)
                self.titles[wid] = name.value.decode('utf-8', 'replace') if name else ''
            except Exception:
                self.titles[wid] = ''
        return self.titles[wid]

    def since(self, t):
        """The paints noted from the moment t on."""
        i = len(self.damage)
        while i > 0 and self.damage[i - 1][0] >= t:
            i -= 1
        return self.damage[i:]

    def shown(self, prefix, since, timeout, ignore=()):
        """When a window titled `prefix`..., first painted after `since`, has
        finished its first burst of painting; None on timeout."""
        deadline = since + timeout
        while True:
            self.pump(min(deadline, now() + 0.02))
            hits = [t for t, w, r in self.since(since) if self.first_paint[w] >= since
                    and r not in ignore and self.title(w).startswith(prefix)]
            for k, t in enumerate(hits):
                if (hits[k + 1] if k + 1 < len(hits) else now()) - t >= QUIET:
                    return t
            if now() >= deadline:
                return None

    def painted(self, since, timeout, ignore=()):
        """The first paint after `since`, on any window; None on timeout."""
        deadline = since + timeout
        while now() < deadline:
            self.pump(min(deadline, now() + 0.005))
            for t, _, r in self.since(since):
                if r not in ignore:
                    return t
        return None

    def key(self, name):
        """Presses and releases one key; returns the moment it was pressed."""
        code = self.d.keysym_to_keycode(XK.string_to_keysym(name))
        t = now()
        xtest.fake_input(self.d, X.KeyPress, code)
        xtest.fake_input(self.d, X.KeyRelease, code)
        self.d.flush()
        return t



class Ear(threading.Thread):
    """Records the null sink's monitor and tells when a sound began."""

    def __init__(self):
        super().__init__(daemon=True)
        self.samples = array.array('h')
        self.base = None  # the moment sample 0 was played, as well as arrivals tell
        self.proc = subprocess.Popen(['parec', '-d', 'bench.monitor', '--format=s16le', '--rate=%d' % RATE,
                                      '--channels=1', '--latency-msec=5', '--raw'], stdout=subprocess.PIPE)
        self.start()

    def run(self):
        fd, pending = self.proc.stdout.fileno(), b''
        while True:
            data = os.read(fd, 8192)
            t = now()
            if not data:
                return
            data, pending = pending + data, b''
            if len(data) % 2:
                data, pending = data[:-1], data[-1:]
            self.samples.frombytes(data)
            start = t - len(self.samples) / RATE
            self.base = start if self.base is None else min(self.base, start)

    def stop(self):
        self.proc.kill()
        self.proc.wait()

    def sound_after(self, since, timeout=2.0):
        """(onset delay, heard length) of the first sound after `since`."""
        deadline = since + timeout
        while self.base is None and now() < deadline:
            time.sleep(0.01)
        i = max(0, int((since - self.base) * RATE))
        while now() < deadline:
            time.sleep(0.01)
            n = len(self.samples)
            while i < n and abs(self.samples[i]) <= LOUD:
                i += 1
            if i < n:
                break
        else:
            return (None, None)
        # Both cues are shorter than 1.3 s: wait for all of it, then measure.
        while len(self.samples) < i + 1.5 * RATE and now() < deadline + 2:
            time.sleep(0.05)
        return (self.base + i / RATE - since, heard_length(self.samples[i:i + int(1.5 * RATE)]))


def heard_length(samples):
    """From the first loud sample to the last one before 0.2 s of silence."""
    last = 0
    for i, x in enumerate(samples):
        if abs(x) > LOUD:
            last = i
        elif i - last > 0.2 * RATE:
            break
    return last / RATE


def sounding_length(path):
    with wave.open(path) as w:
        a = array.array('h', w.readframes(w.getnframes()))
    start = next(i for i, x in enumerate(a) if abs(x) > LOUD)
    return heard_length(a[start:])


def memory(pid):
    """Rss, Pss and peak Rss, in MiB."""
    figures = {}
    with open('/proc/%d/smaps_rollup' % pid) as f:
        for line in f:
            k, _, v = line.partition(':')
            if k in ('Rss', 'Pss'):
                figures[k] = int(v.split()[0]) / 1024
    with open('/proc/%d/status' % pid) as f:
        figures['HWM'] = int(re.search(r'VmHWM:\s*(\d+)', f.read()).group(1)) / 1024
    return figures


def cpu_seconds(pid):
    """CPU time of all the process's threads, as the scheduler counts it."""
    total = 0
    for task in os.listdir('/proc/%d/task' % pid):
        try:
            with open('/proc/%d/task/%s/schedstat' % (pid, task)) as f:
                total += int(f.read().split()[0])
        except OSError:
            pass
    return total / 1e9


def problem_answer(pid):
    """The right answer to the problem on screen, read as a screen reader reads it."""
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.get_process_id() == pid:
                break
        except Exception:
            pass  # a program that has ended
    else:
        return None
    numbers = []
    stack = [app]
    while stack:
        node = stack.pop()
        stack.extend(c for c in node if c is not None)
        if node.getRole() == pyatspi.ROLE_LABEL and re.fullmatch(r'\d+(,\d+)?', node.name or ''):
            x, y, _, _ = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            numbers.append((y, x, node.name))
    if len(numbers) < 2:
        return None
    # The problem row is the top one: the multiplier, then the factor.
    (_, _, a), (_, _, b) = sorted(sorted(numbers)[:2], key=lambda n: n[1])
    product = Decimal(a) * Decimal(b.replace(',', '.'))
    return format(product.normalize(), 'f').replace('.', ',')


class Bench:
    def __init__(self, args):
        self.args = args
        self.program = os.path.join(args.build, 'app', 'tavola')
        self.floor = os.path.join(args.build, 'bench', 'floor')
        self.cues = {k: os.path.join(args.source, 'assets', 'sounds', f)
                     for k, f in (('right', 'Esatto.wav'), ('wrong', 'no.wav'))}
        self.picture = os.path.join(args.source, 'assets', 'pictures', 'background.png')
        self.screen = Screen()
        self.ear = Ear()
        self.runs = 0
        self.f = {}  # figure name -> {pair: value}
        self.pair = 0
        self.answers = []
        self.heard = []

    def note(self, name, value):
        self.f.setdefault(name, {})[self.pair] = value

    def start(self, argv, score=None):
        """Starts a program with a record folder of its own and at most 4 GiB
        of address space: a score file of 64 MiB must not take the machine."""
        self.runs += 1
        home = os.path.join(self.args.scratch, 'data-%d' % self.runs)
        os.makedirs(os.path.join(home, 'tavola'))
        if score is not None:
            with open(os.path.join(home, 'tavola', 'quarzel.txt'), 'wb') as f:
                f.write(b'12\n' + (b'0' * 63 + b'\n') * (score // 64))
            with open(os.path.join(home, 'tavola', 'nquarzel.txt'), 'wb') as f:
                f.write(b'Bruno\n')
        env = dict(os.environ, XDG_DATA_HOME=home)
        t = now()
        return subprocess.Popen(argv, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_AS, (4 << 30, 4 << 30))), t

    def wait(self, seconds):
        self.screen.pump(now() + seconds)

    def stop(self, proc):
        proc.kill()
        proc.wait()
        self.wait(0.2)

    def through_greeting(self, proc, t_exec, prefix_after):
        """Name box, name, greeting: the moments each showed."""
        s = self.screen
        box = s.shown(BOX_TITLE, t_exec, self.args.timeout)
        for c in 'anna':
            self.wait(0.05)
            s.key(c)
        self.wait(0.2)
        t = s.key('Return')
        greeting = s.shown(BOX_TITLE, t, self.args.timeout)
        self.wait(0.3)
        t2 = s.key('Return')
        after = s.shown(prefix_after, t2, self.args.timeout) if prefix_after else None
        return (box and box - t_exec, greeting and greeting - t, t2, after)

    def game_startup(self, size):
        proc, t_exec = self.start([self.program], score=size)
        box, greeting, t, problem = self.through_greeting(proc, t_exec, MAIN_TITLE)
        peak = memory(proc.pid)['HWM'] if problem and proc.poll() is None else None
        self.stop(proc)
        return problem and (problem - t) * 1000, peak

    def answer_rounds(self, proc, answers, ignore):
        """Types each answer and Enter, then Enter again for what comes next."""
        s, out = self.screen, []
        for round_ in range(self.args.rounds):
            right = round_ % 2 == 0
            text = answers(right)
            if text is None:
                out.append(None)
                continue
            digits = []
            for c in text:
                t = s.key({',': 'comma'}.get(c, c))
                p = s.painted(t, 1.0, ignore)
                digits.append(p and (p - t) * 1000)
                self.wait(0.05)
            t = s.key('Return')
            p = s.painted(t, 1.0, ignore)
            onset, length = self.ear.sound_after(t)
            out.append(dict(right=right, digits=digits, feedback=p and (p - t) * 1000,
                            onset=onset and onset * 1000, length=length,
                            memory=memory(proc.pid) if round_ == 0 else None))
            self.wait(0.2)
            s.key('Return')
            self.wait(0.3)
        return out

    def note_rounds(self, who, rounds):
        digits = [d for r in rounds if r for d in r['digits'] if d is not None]
        self.note(who + ' digit', statistics.median(digits) if digits else None)
        first, later = rounds[0] or {}, [r for r in rounds[2:] if r]
        self.note(who + ' feedback first', first.get('feedback'))
        self.note(who + ' feedback first wrong', rounds[1] and rounds[1]['feedback'])
        self.note(who + ' cue first', first.get('onset'))
        for kind in ('right', 'wrong'):
            values = [r['feedback'] for r in later if r['right'] == (kind == 'right') and r['feedback']]
            self.note('%s feedback %s' % (who, kind), statistics.median(values) if values else None)
        cues = [r['onset'] for r in later if r['onset'] is not None]
        self.note(who + ' cue later', statistics.median(cues) if cues else None)
        for r in rounds:
            if r and r['length'] is not None:
                self.heard.append((r['right'], r['length']))
        if first.get('memory'):
            self.note(who + ' rss cue', first['memory']['Rss'])
            self.note(who + ' pss cue', first['memory']['Pss'])

    def game_pair(self):
        s = self.screen
        proc, t_exec = self.start([self.program], score=3)
        box, greeting, t, problem = self.through_greeting(proc, t_exec, MAIN_TITLE)
        self.note('game namebox', box and box * 1000)
        self.note('game greeting', greeting and greeting * 1000)
        if problem is None:
            self.stop(proc)
            return
        # What the clock repaints by itself is not the answer of a key.
        quiet_from = now()
        self.wait(1.3)
        ticks = {r for _, _, r in s.since(quiet_from)}
        problem = s.shown(MAIN_TITLE, t, self.args.timeout, ignore=ticks)
        self.note('game problem 1', problem and (problem - t) * 1000)
        m = memory(proc.pid)
        self.note('game rss problem', m['Rss'])
        self.note('game pss problem', m['Pss'])
        self.note('game peak 1', m['HWM'])
        self.answers = []

        def answers(right):
            text = problem_answer(proc.pid) if right else '0'
            self.wait(0.2)
            self.answers.append(text)
            return text
        self.note_rounds('game', self.answer_rounds(proc, answers, ticks))
        self.stop(proc)

    def floor_pair(self):
        proc, t_exec = self.start([self.floor, 'namebox'])
        box, greeting, _, _ = self.through_greeting(proc, t_exec, None)
        self.note('floor namebox', box and box * 1000)
        self.note('floor greeting', greeting and greeting * 1000)
        self.stop(proc)

        proc, t_exec = self.start([self.floor, 'keys', self.cues['right'], self.cues['wrong']])
        self.screen.shown('floor', t_exec, self.args.timeout)
        self.wait(0.5)
        typed = iter(a for a in self.answers if a and a != '0')
        self.note_rounds('floor', self.answer_rounds(
            proc, lambda right: next(typed, '1234,5') if right else '0', ()))
        self.stop(proc)

        t = now()
        player = subprocess.Popen(['paplay', self.cues['right']])
        onset, _ = self.ear.sound_after(t)
        player.wait()
        self.note('paplay cue', onset and onset * 1000)

        proc, t_exec = self.start([self.floor, 'picture', self.picture])
        self.screen.shown('floor', t_exec, self.args.timeout)
        self.wait(1.0)
        self.note('floor rss', memory(proc.pid)['Rss'])
        self.note('floor pss', memory(proc.pid)['Pss'])
        self.stop(proc)

    def idle(self, who, argv, score, prefix):
        proc, t_exec = self.start(argv, score=score)
        if who == 'game':
            shown = self.through_greeting(proc, t_exec, MAIN_TITLE)[3]
        else:
            shown = self.screen.shown(prefix, t_exec, self.args.timeout)
        if shown is None:
            self.note(who + ' idle', None)
        else:
            self.wait(2.0)
            before = cpu_seconds(proc.pid)
            self.wait(self.args.idle_seconds)
            self.note(who + ' idle', (cpu_seconds(proc.pid) - before) * 1000 / self.args.idle_seconds * 60)
        self.stop(proc)

    def run(self):
        a = self.args
        self.wait(1.0)
        for i in range(a.pairs):
            self.pair = i
            print('pair %d of %d' % (i + 1, a.pairs), file=sys.stderr, flush=True)
            self.game_pair()
            self.floor_pair()
            for mib in a.score_mib:
                ms, peak = self.game_startup(mib << 20)
                self.note('game problem %dMiB' % mib, ms)
                self.note('game peak %dMiB' % mib, peak)
        for i in range(a.idle_pairs):
            self.pair = i
            print('idle pair %d of %d' % (i + 1, a.idle_pairs), file=sys.stderr, flush=True)
            self.idle('game', [self.program], 3, MAIN_TITLE)
            self.idle('floor', [self.floor, 'clock', self.picture], None, 'floor')
        self.ear.stop()


def spread(values):
    v = [x for x in values.values() if x is not None]
    if not v:
        return 'n/a'
    return '%.3g [%.3g–%.3g]' % (statistics.median(v), min(v), max(v))


def ratio(game, floor):
    r = [game[k] / floor[k] for k in game if game[k] is not None and floor.get(k)]
    if not r:
        return 'n/a'
    return '%.2f [%.2f–%.2f] n=%d' % (statistics.median(r), min(r), max(r), len(r))


def report(f, args, heard, cues, load_before, load_after):
    # what | game's figure | floor's figure | the floor | target ratio
    rows = [[c.strip() for c in row.split('|')] for row in """\
name box on screen, from exec (ms) | game namebox | floor namebox | bare input box | 1.2
name Enter → greeting on screen (ms) | game greeting | floor greeting | bare message box |
greeting Enter → problem on screen, one-line score file (ms) | game problem 1 | | |
""".splitlines()] + [
        ['greeting Enter → problem, %d MiB score file (ms)' % mib, 'game problem %dMiB' % mib, 'game problem 1',
         'one-line file', '1.1' if mib == 64 else ''] for mib in args.score_mib] + [
        ['peak RSS, %d MiB score file (MiB)' % mib, 'game peak %dMiB' % mib, 'game peak 1', 'one-line file', '']
        for mib in args.score_mib] + [[c.strip() for c in row.split('|')] for row in """\
digit → digit on screen (ms) | game digit | floor digit | bare QLineEdit |
Enter → feedback, first answer (ms) | game feedback first | floor feedback first | bare QLabel |
  the same, beside later right answers | game feedback first | game feedback right | later right answers | 1.2
Enter → feedback, first wrong answer (ms) | game feedback first wrong | floor feedback first wrong | bare QLabel |
Enter → feedback, later right answers (ms) | game feedback right | floor feedback right | bare QLabel | 1.3
Enter → feedback, later wrong answers (ms) | game feedback wrong | floor feedback wrong | bare QLabel | 1.3
Enter → sound onset, first cue (ms) | game cue first | floor cue first | preloaded QSoundEffect |
  the same, beside later cues | game cue first | game cue later | later cues | 1.1
Enter → sound onset, later cues (ms) | game cue later | floor cue later | preloaded QSoundEffect |
  the same, beside paplay started at the key | game cue later | paplay cue | paplay |
idle CPU per 60 s, clock running (ms) | game idle | floor idle | label repainted each second | 1.2
RSS, problem on screen (MiB) | game rss problem | floor rss | bare picture window |
RSS, after the first cue (MiB) | game rss cue | floor rss | bare picture window | 1.15
PSS, problem on screen (MiB) | game pss problem | floor pss | bare picture window |
PSS, after the first cue (MiB) | game pss cue | floor pss | bare picture window |
""".splitlines()]
    print('Tavola beside its floors: %d pairs (idle: %d pairs of %g s), %d answers a game.'
          % (args.pairs, args.idle_pairs, args.idle_seconds, args.rounds))
    print('Median [min–max] of each side; ratio = median [min–max] of game / floor, pair by pair.')
    print('load average before: %s' % load_before)
    print()
    print('| what | game | floor | floor is | ratio | target ratio |')
    print('|---|---|---|---|---|---|')
    for what, g, fl, floor_name, target in (r + [''] * (5 - len(r)) for r in rows):
        game, floor = f.get(g.strip(), {}), f.get(fl.strip(), {})
        print('| %s | %s | %s | %s | %s | %s |' % (what, spread(game), spread(floor), floor_name,
                                                    ratio(game, floor), target and '≤ ' + target or ''))
    print()
    for right, name in ((True, 'right'), (False, 'wrong')):
        lengths = [length for r, length in heard if r == right]
        other = cues['wrong' if right else 'right']
        mine = cues[name]
        off = sum(1 for length in lengths if abs(length - other) < abs(length - mine))
        print('cue heard after a %s answer: %s s long (its file sounds %.3f s, the other %.3f s); '
              '%d of %d nearer the other file'
              % (name, spread(dict(enumerate(lengths))), mine, other, off, len(lengths)))
    print('load average after: %s' % load_after)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument('--build', required=True)
    parser.add_argument('--source', required=True)
    parser.add_argument('--scratch', required=True)
    parser.add_argument('--pairs', type=int, default=15, help='game/floor pairs of each timing (15)')
    parser.add_argument('--idle-pairs', type=int, default=15, help='pairs for the idle CPU (15)')
    parser.add_argument('--idle-seconds', type=float, default=60, help='length of each idle spell (60)')
    parser.add_argument('--rounds', type=int, default=6, help='answers in each game, right and wrong by turns (6)')
    parser.add_argument('--timeout', type=float, default=30, help='longest wait for a window (30 s)')
    parser.add_argument('--score-mib', type=lambda v: [int(x) for x in v.split(',') if x], default=[1, 64],
                        help='sizes of the large score files, in MiB, comma-separated (1,64)')
    args = parser.parse_args()
    load_before = open('/proc/loadavg').read().strip()
    bench = Bench(args)
    bench.run()
    cues = {k: sounding_length(p) for k, p in bench.cues.items()}
    report(bench.f, args, bench.heard, cues, load_before, open('/proc/loadavg').read().strip())


if __name__ == '__main__':
    main()
