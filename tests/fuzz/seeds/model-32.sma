
3
0, "quoted, with comma"
7.5, span
11.5, span

2
1, 1, 0, span
3, 1, 0, 

1
2E8, "quoted, with comma"
2
8.5E-6, "quoted, with comma"
8.5E-6, "quoted, with comma"
2
2, 1, 1, 1, x
2, 3, 1, 1, span
1
2, 1, 9, -5, 0, 0.25, span
0
