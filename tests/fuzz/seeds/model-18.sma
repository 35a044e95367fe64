
3
0, 
5, "quoted, with comma"
7, 
2
1, 1, 1, "quoted, with comma"
3, 1, 0, x
2
2E8, span
2E8, span
1
0.0004, span
2
2, 1, 2, 1, span
2, 3, 1, 1, span
3
1, 3
0, -5, 1, 0.25, span
2, 2, 10, 0, 0.5, 0, x
1, 4, 10
11, 0, 0.25, x

1
2, 0, 0, x
