#!/usr/bin/env python3
"""Stand-in game servers and a master on loopback, for tests and the benchmark.

Each game server answers the players query ("b**") as the game does, after its delay; the
master answers its query with every server's address in numbered packets. What they say is
configurable (--config, a JSON file; or --count for many alike), and so are the bad answers a
test needs. Everything binds to 127.0.0.1 only. They stop by themselves after --lifetime
seconds, or as soon as the process that started them is gone.

When every socket is bound, the --ready file is written (JSON: {"master": port, "servers":
[port, ...]}), so a caller that asked for port 0 learns the ports.

A server's keys (all optional): name, map, game_type, mod, version, description, password,
max_players, teams ([name, score] pairs), players ({name, team (index or null), score, ping,
loss}), delay_ms, and bad: one of
  silent       never answers
  cut          the answer stops inside a string
  lie_players  claims 255 players
  error_teams  says 255 teams (the game's error)
  double       answers each query twice
  wrong_port   answers from another port
  garbled      starts with the wrong bytes
  long         pads the answer past 8192 bytes
The master's keys: per_packet (entries per packet, default 60), extra (["a.b.c.d", port]
entries listed after the servers), name, message.
"""

import argparse
import heapq
import json
import os
import random
import selectors
import socket
import struct
import sys
import time

HOST = "127.0.0.1"
STATUS_QUERY = b"b**"
MASTER_QUERY = b"\x10\x03\xff\x00\x02"


def text(value):
    data = value.encode("cp1252", "replace") if isinstance(value, str) else bytes(value)
    return bytes([len(data[:255])]) + data[:255]


def status_answer(server):
    players = server.get("players", [])
    teams = server.get("teams", [["Blood Eagle", 0], ["Diamond Sword", 0]])
    count = 255 if server.get("bad") == "lie_players" else len(players)
    out = bytearray(b"c**b")
    out += text("Tribes") + text(server.get("version", "1.11")) + text(server["name"])
    out += bytes([1, 1 if server.get("password") else 0, count, server.get("max_players", 32)])
    out += struct.pack("<H", server.get("cpu", 1000))
    for key, default in (("mod", "base"), ("game_type", "CTF"), ("map", "Raindance"),
                         ("description", "A stand-in server")):
        out += text(server.get(key, default))
    out += bytes([255 if server.get("bad") == "error_teams" else len(teams)])
    out += text("TEAM\tSCORE") + text("NAME\tSCORE")
    if len(teams) == 1:
        out += text(teams[0][0]) + bytes([teams[0][1] & 0xFF])
    else:
        for name, score in teams:
            out += text(name) + text("   %d" % score)  # the number from the 4th character
    for player in players:
        team = player.get("team")
        out += bytes([min(player.get("ping", 100) // 4, 255), player.get("loss", 0),
                      255 if team is None else team])
        out += text(player["name"]) + text("%8s%d\t0" % ("", player.get("score", 0)))
    bad = server.get("bad")
    if bad == "cut":
        return bytes(out[:len(out) // 2])
    if bad == "garbled":
        out[0] = ord("x")
    if bad == "long":
        out += b"\0" * 9000
    return bytes(out)


def master_packets(servers, master, query):
    entries = [(HOST, port) for port in servers] + [tuple(e) for e in master.get("extra", [])]
    per_packet = master.get("per_packet", 60)
    chunks = [entries[i:i + per_packet] for i in range(0, len(entries), per_packet)] or [[]]
    key = query[3:5]
    packets = []
    for number, chunk in enumerate(chunks, 1):
        out = bytearray(b"\x10\x06" + bytes([number, len(chunks), 0]) + key + b"\x00")
        if number == 1:
            out += text(master.get("name", "Stand-in master"))
            out += text(master.get("message", "Welcome")) + b"\x00\x00"
        else:
            out += b"\x00\x00"
        for host, port in chunk:
            out += b"\x06" + socket.inet_aton(host) + struct.pack("<H", port)
        packets.append(bytes(out))
    return packets


def many_servers(args):
    rng = random.Random(args.seed)
    low, high = (int(v) for v in args.delay.split("-"))
    return [{"name": "Stand-in %d" % i, "map": "Map %d" % (i % 7),
             "players": [{"name": "Player %d" % p, "team": p % 2, "score": p, "ping": 40}
                         for p in range(args.players)],
             "delay_ms": rng.randint(low, high)} for i in range(args.count)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--config", help="JSON: {\"master\": {...}, \"servers\": [{...}]}")
    parser.add_argument("--count", type=int, default=0, help="this many alike servers")
    parser.add_argument("--players", type=int, default=2)
    parser.add_argument("--delay", default="20-400", help="their answer delay range, ms")
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--first-port", type=int, default=0, help="0: any free ports")
    parser.add_argument("--master-port", type=int, default=0)
    parser.add_argument("--lifetime", type=float, default=60)
    parser.add_argument("--ready", help="file written once every socket is bound")
    args = parser.parse_args()

    config = {"master": {}, "servers": []}
    if args.config:
        with open(args.config, encoding="utf-8") as f:
            config.update(json.load(f))
    servers = config["servers"] + many_servers(args)
    parent = os.getppid()
    end = time.monotonic() + args.lifetime

    selector = selectors.DefaultSelector()

    def bound(port):
        sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        sock.setsockopt(socket.SOL_SOCKET, socket.SO_SNDBUF, 1 << 20)
        sock.bind((HOST, port))
        sock.setblocking(False)
        return sock

    sockets = []
    for i, server in enumerate(servers):
        sock = bound(args.first_port + i if args.first_port else 0)
        server["port"] = sock.getsockname()[1]
        if server.get("bad") == "wrong_port":
            server["other"] = bound(0)
        selector.register(sock, selectors.EVENT_READ, server)
        sockets.append(sock)
    master_sock = bound(args.master_port)
    selector.register(master_sock, selectors.EVENT_READ, None)
    ports = [s["port"] for s in servers]
    if args.ready:
        with open(args.ready + ".part", "w", encoding="utf-8") as f:
            json.dump({"master": master_sock.getsockname()[1], "servers": ports}, f)
        os.replace(args.ready + ".part", args.ready)

    pending = []  # (when, order, socket, bytes, address)
    order = 0
    while time.monotonic() < end and os.getppid() == parent:
        wait = 0.5 if not pending else max(0.0, pending[0][0] - time.monotonic())
        for key, _ in selector.select(min(wait, 0.5)):
            try:
                data, sender = key.fileobj.recvfrom(2048)
            except OSError:
                continue
            server = key.data
            now = time.monotonic()
            if server is None:
                if data[:3] == MASTER_QUERY[:3]:
                    for packet in master_packets(ports, config["master"], data):
                        heapq.heappush(pending, (now, order, master_sock, packet, sender))
                        order += 1
                continue
            if data != STATUS_QUERY or server.get("bad") == "silent":
                continue
            answer = status_answer(server)
            via = server.get("other", key.fileobj)
            when = now + server.get("delay_ms", 0) / 1000
            for _ in range(2 if server.get("bad") == "double" else 1):
                heapq.heappush(pending, (when, order, via, answer, sender))
                order += 1
        while pending and pending[0][0] <= time.monotonic():
            _, _, sock, data, sender = heapq.heappop(pending)
            try:
                sock.sendto(data, sender)
            except OSError as error:
                print("stand-in: cannot answer %s: %s" % (sender, error), file=sys.stderr)


if __name__ == "__main__":
    main()
